#pragma once

// The worker threads of one downloader, one attempt after another. Launch()
// never waits: each new "ABDEF" thread first waits for the thread of the
// previous attempt, so an attempt may be launched from inside a report on
// the previous worker itself, and reports keep their order. The destructor
// waits for the last thread (which has waited for all earlier ones).

#include <functional>
#include <memory>
#include <mutex>

#include "utils/thread.h"

class WorkerChain {
public:
    WorkerChain() = default;
    ~WorkerChain();
    WorkerChain(const WorkerChain&) = delete;
    WorkerChain& operator=(const WorkerChain&) = delete;

    void Launch(std::function<void()> attempt);

private:
    std::mutex mutex_;
    std::shared_ptr<Utils::Thread> last_;
};
