#include "ui/framework/notify_queue.h"

#include <algorithm>
#include <utility>

namespace SkinUI {

bool NotifyQueue::Push(const NotifyMsg& msg, bool allowRepeat) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!allowRepeat) {
        for (NotifyMsg& waiting : waiting_) {
            if (waiting.sender == msg.sender && waiting.type == msg.type) {
                waiting = msg;
                return false;
            }
        }
    }
    waiting_.push_back(msg);
    return true;
}

std::vector<NotifyMsg> NotifyQueue::TakeAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(waiting_, {});
}

void NotifyQueue::RemoveSender(const CControl* sender) {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(),
                                  [sender](const NotifyMsg& msg) { return msg.sender == sender; }),
                   waiting_.end());
}

}  // namespace SkinUI
