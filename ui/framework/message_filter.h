#pragma once

#include <windows.h>

// Sees a window's messages before the framework handles them, including the
// keyboard messages of the window's native child controls. Setting `handled`
// consumes the message with the returned result.
class ISkinMessageFilter {
public:
    virtual LRESULT MessageFilter(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

protected:
    ~ISkinMessageFilter() = default;
};
