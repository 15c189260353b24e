#pragma once

// Notifications waiting for delivery on the UI thread. Any thread may add;
// the UI thread takes them all, in the order they came.

#include <mutex>
#include <vector>

#include "ui/framework/notify.h"

namespace SkinUI {

class NotifyQueue {
public:
    // Without `allowRepeat`, a waiting notification of the same sender and
    // type takes the new values instead of queueing another. True when the
    // queue grew (its owner must then schedule a delivery).
    bool Push(const NotifyMsg& msg, bool allowRepeat);

    std::vector<NotifyMsg> TakeAll();

    // Drops the waiting notifications of a control that goes away.
    void RemoveSender(const CControl* sender);

private:
    std::mutex mutex_;
    std::vector<NotifyMsg> waiting_;
};

}  // namespace SkinUI
