#pragma once

// A top-level window owned by a C++ object: class registration, creation,
// the object's message handler, the modal loop, close requests, centring and
// icons.

#include <windows.h>

#include <string>

#include "ui/framework/gdi_handles.h"

class CWindowBase {
public:
    CWindowBase() = default;
    virtual ~CWindowBase();
    CWindowBase(const CWindowBase&) = delete;
    CWindowBase& operator=(const CWindowBase&) = delete;

    HWND GetHWND() const { return window_; }

    // Registers the window class (class style CS_DBLCLKS) and creates the
    // window, owned by `parent` when given; null on failure.
    HWND Create(HWND parent, const std::wstring& title, DWORD style, DWORD exStyle,
                int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int width = CW_USEDEFAULT,
                int height = CW_USEDEFAULT);

    // Shows the window and runs its modal loop until the window is gone;
    // returns the wParam of the window's own (posted) WM_CLOSE.
    UINT ShowModal();
    // Posts WM_CLOSE with `code` when the window exists.
    void Close(UINT code = 0);
    // Centres the window on the work area of its owner's monitor (its own
    // monitor when it has no owner).
    void CenterWindow();
    // Sets the large and small icons from the icon resource `resourceId`.
    void SetIcon(UINT resourceId);

protected:
    virtual std::wstring GetWindowClassName() const = 0;
    // Every message of the window; the default is DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After the window's last message.
    virtual void OnFinalMessage(HWND) {}
    // Cuts the window off from this object and destroys it; for destructors,
    // so that no message reaches a half-destroyed object.
    void DetachAndDestroy();

private:
    bool RegisterWindowClass() const;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    SkinUI::ScopedIcon largeIcon_;
    SkinUI::ScopedIcon smallIcon_;
};
