#include "analytics/core/send_status.h"

#include <mutex>

namespace usage_analytics {

namespace {

std::mutex& StatusLock() {
    static std::mutex lock;
    return lock;
}

bool lastSendOk = false;

}  // namespace

bool LastSendOk() {
    std::lock_guard<std::mutex> guard(StatusLock());
    return lastSendOk;
}

void SetLastSendOk(bool ok) {
    std::lock_guard<std::mutex> guard(StatusLock());
    lastSendOk = ok;
}

}  // namespace usage_analytics
