#pragma once

#include <windows.h>

// The installer's top-level window: titled "Quillora", overlapped and
// visible, centred on the screen.
class PlainMainWindow {
public:
    PlainMainWindow() = default;
    PlainMainWindow(const PlainMainWindow&) = delete;
    PlainMainWindow& operator=(const PlainMainWindow&) = delete;
    ~PlainMainWindow();

    bool Create(HINSTANCE instance);
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
