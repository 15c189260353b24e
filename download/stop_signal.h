#pragma once

// Tells a downloader's threads that their owner is being destroyed: pauses
// between tries end early and transfers are abandoned without reports.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

class StopSignal {
public:
    void Raise();
    bool Raised() const { return raised_; }

    // Sleeps for `duration` unless the signal is raised first; true when
    // the whole pause passed.
    bool SleepFor(std::chrono::milliseconds duration);

private:
    std::atomic<bool> raised_{false};
    std::mutex mutex_;
    std::condition_variable raisedChanged_;
};
