#include "download/stop_signal.h"

void StopSignal::Raise() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        raised_ = true;
    }
    raisedChanged_.notify_all();
}

bool StopSignal::SleepFor(std::chrono::milliseconds duration) {
    std::unique_lock<std::mutex> lock(mutex_);
    return !raisedChanged_.wait_for(lock, duration, [this] { return raised_.load(); });
}
