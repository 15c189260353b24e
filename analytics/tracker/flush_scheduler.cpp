#include "analytics/tracker/flush_scheduler.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>

#include "analytics/core/sdk.h"
#include "analytics/core/send_status.h"

namespace vorta::analytics {

namespace {

using usage_analytics::Sdk;

constexpr int kSendAttempts = 3;
// Longer than one full attempt of a flush in progress against a collector
// that answers slowly (three POSTs at their 3-second time-out).
constexpr auto kExitLockWait = std::chrono::seconds(10);

// Serialises every flush in the process, whichever thread runs it.
std::timed_mutex& FlushLock() {
    static std::timed_mutex lock;
    return lock;
}

bool IsReady(const std::future<void>& worker) {
    return worker.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

}  // namespace

FlushScheduler::~FlushScheduler() { waitForWorkers(); }

void FlushScheduler::requestNow() {
    if (usage_analytics::LastSendOk()) {
        std::lock_guard<std::timed_mutex> guard(FlushLock());
        sendPending();
        return;
    }
    OutputDebugStringA("[Analytics] Sending messages asynchronously");
    if (!workerWaiting_.exchange(true)) startWorker();
}

void FlushScheduler::flushBeforeExit() {
    std::unique_lock<std::timed_mutex> guard(FlushLock(), kExitLockWait);
    if (guard.owns_lock()) sendPending();
}

void FlushScheduler::flushAtShutdown() {
    waitForWorkers();
    std::lock_guard<std::timed_mutex> guard(FlushLock());
    for (int attempt = 0; attempt < kSendAttempts && pending_ > 0 && Sdk::IsInitialized();
         ++attempt) {
        if (Sdk::Flush()) pending_ = 0;
    }
}

void FlushScheduler::sendPending() {
    for (int attempt = 0; attempt < kSendAttempts && pending_ > 0; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (Sdk::IsInitialized() && Sdk::Flush()) pending_ = 0;
    }
}

void FlushScheduler::startWorker() {
    const auto work = [this] {
        std::lock_guard<std::timed_mutex> guard(FlushLock());
        workerWaiting_ = false;
        sendPending();
    };
    {
        std::lock_guard<std::mutex> guard(workersLock_);
        workers_.erase(std::remove_if(workers_.begin(), workers_.end(), IsReady), workers_.end());
        try {
            workers_.push_back(std::async(std::launch::async, work));
            return;
        } catch (const std::system_error&) {
            // No thread to be had: the caller's thread sends instead.
        }
    }
    work();
}

void FlushScheduler::waitForWorkers() {
    std::vector<std::future<void>> workers;
    {
        std::lock_guard<std::mutex> guard(workersLock_);
        workers.swap(workers_);
    }
    for (std::future<void>& worker : workers) worker.wait();
}

}  // namespace vorta::analytics
