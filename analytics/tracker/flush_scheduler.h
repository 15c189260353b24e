#pragma once

// Decides when the SDK core's queued records go to the collector. Deferred
// requests only count records; an immediate request sends everything
// queued while records are pending. It runs on the calling thread while
// the collector answers, and on a worker thread while the last send failed,
// so that a slow or unreachable collector does not hold up the caller.
// Workers are owned: the destructor waits for them.

#include <atomic>
#include <future>
#include <mutex>
#include <vector>

namespace vorta::analytics {

class FlushScheduler {
public:
    FlushScheduler() = default;
    ~FlushScheduler();
    FlushScheduler(const FlushScheduler&) = delete;
    FlushScheduler& operator=(const FlushScheduler&) = delete;

    void resetPending() { pending_ = 0; }
    void addPending(int records) { pending_ += records; }
    int pending() const { return pending_; }

    // Counts one more record for the next immediate request. Counted at
    // once on the calling thread, so an immediate request that follows it
    // always sees it.
    void requestDeferred() { addPending(1); }

    // Sends the pending records: on the calling thread when the last send
    // succeeded, otherwise on a worker thread.
    void requestNow();

    // Sends the pending records on the calling thread whatever the last send
    // did, for a process that is about to end. Gives up when another flush
    // holds the collector longer than a bounded wait.
    void flushBeforeExit();

    // Waits for the workers, then makes up to three send attempts without
    // pause while records are pending. Runs once, at tracker shutdown.
    void flushAtShutdown();

private:
    // Up to three attempts, 1 ms apart; the caller holds the flush lock.
    void sendPending();
    void startWorker();
    void waitForWorkers();

    std::atomic<int> pending_{0};
    // A worker that has not begun to send yet will also send whatever the
    // requests that find it waiting ask for.
    std::atomic<bool> workerWaiting_{false};
    std::mutex workersLock_;
    std::vector<std::future<void>> workers_;
};

}  // namespace vorta::analytics
