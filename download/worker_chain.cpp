#include "download/worker_chain.h"

#include "installer/src/diagnostic_log.h"

WorkerChain::~WorkerChain() {
    // A report that was under way when destruction began may still launch
    // one more attempt (which sees its owner stopping and ends at once), so
    // wait until no thread is left.
    for (;;) {
        std::shared_ptr<Utils::Thread> last;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            last = std::move(last_);
        }
        if (!last) return;
        last->Wait();
    }
}

void WorkerChain::Launch(std::function<void()> attempt) {
    std::lock_guard<std::mutex> lock(mutex_);
    // The previous thread object travels into the new thread, which waits
    // for it and frees it before the attempt begins.
    auto body = [previous = std::move(last_), attempt = std::move(attempt)](void*) mutable {
        if (previous) previous->Wait();
        previous.reset();
        attempt();
    };
    last_ = std::make_shared<Utils::Thread>(std::move(body), L"ABDEF");
    if (!last_->Created() || !last_->Resume()) QLOG(L"worker thread could not be started");
}
