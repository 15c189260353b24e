#pragma once

// Hands notifications to handlers registered by type and, optionally, by the
// sender's name, so that a window can wire "click on okBtn" to a function.

#include <string>
#include <vector>

#include "ui/framework/notify.h"

class CNotifyRouter {
public:
    // An empty `senderName` matches every sender.
    void AddNotifyHandler(const std::wstring& type, const std::wstring& senderName,
                          NotifyHandler handler);

    // Calls every matching handler in the order they were added; false when
    // none matched.
    bool RouteNotify(const NotifyMsg& msg) const;

private:
    struct Route {
        std::wstring type;
        std::wstring senderName;
        NotifyHandler handler;
    };

    std::vector<Route> routes_;
};
