#pragma once

// Notifications: what controls (and the application itself) tell a window,
// such as "click" or "selectchanged".

#include <windows.h>

#include <functional>
#include <string>

class CControl;

struct NotifyMsg {
    std::wstring type;
    CControl* sender = nullptr;
    DWORD timestamp = 0;  // tick count when sent
    POINT mouse{};        // cursor position in client coordinates when sent
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

using NotifyHandler = std::function<void(const NotifyMsg&)>;

class INotifyReceiver {
public:
    virtual void Notify(const NotifyMsg& msg) = 0;

protected:
    ~INotifyReceiver() = default;
};
