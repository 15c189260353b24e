#pragma once

// Records a downloader's reports for a test and lets the test wait for them
// or react to them on the worker thread, inside the callback.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "download/downloader.h"

struct DownloadEvent {
    int code;
    double value;
    std::wstring text;
};

class EventRecorder {
public:
    using Reaction = std::function<void(const DownloadEvent&)>;

    // The callback to construct a downloader with; the recorder must outlive
    // the downloader.
    DownloadCallback Callback();

    // Runs inside the callback, after the event has been recorded.
    void SetReaction(Reaction reaction);

    // Starts `downloader` again from inside the callback on every retry
    // request (1005), as the orchestrator does.
    void RestartOnRetry(CDownloader& downloader);

    std::vector<DownloadEvent> Events() const;
    // The codes in order, progress (1002) left out.
    std::vector<int> CodesWithoutProgress() const;
    std::vector<double> ProgressValues() const;

    // The texts of the reports with `code`, in order.
    std::vector<std::wstring> TextsOf(int code) const;

    // Waits until `count` reports that end an attempt (1003, 1004, 1005)
    // have arrived; false after `timeout`.
    bool WaitForAttemptEnds(int count, std::chrono::milliseconds timeout) const;

    // Starts `downloader` and waits (up to a minute) until `count` attempts
    // in all have ended; false when they did not.
    bool RunAttempt(CDownloader& downloader, int count) const;

private:
    void Record(int code, double value, const wchar_t* text);
    int AttemptEnds() const;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<DownloadEvent> events_;
    Reaction reaction_;
};
