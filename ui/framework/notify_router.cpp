#include "ui/framework/notify_router.h"

#include "ui/framework/control.h"

void CNotifyRouter::AddNotifyHandler(const std::wstring& type, const std::wstring& senderName,
                                     NotifyHandler handler) {
    routes_.push_back(Route{type, senderName, std::move(handler)});
}

bool CNotifyRouter::RouteNotify(const NotifyMsg& msg) const {
    bool routed = false;
    for (const Route& route : routes_) {
        if (route.type != msg.type) continue;
        if (!route.senderName.empty() &&
            (msg.sender == nullptr || msg.sender->GetName() != route.senderName)) {
            continue;
        }
        route.handler(msg);
        routed = true;
    }
    return routed;
}
