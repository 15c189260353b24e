#pragma once

// The soft drop shadow of a borderless skinned window: a click-through,
// never-activated layered popup (class "SkinShadowWnd") owned by the
// window. Its pixels are computed from the owner's window region, or come
// from an image drawn as a nine-patch, and it follows the owner by
// subclassing the owner's window procedure: it moves with it, is redrawn
// when the owner's size changes and hides while the owner is hidden,
// minimised or maximised.

#include <windows.h>

#include <memory>
#include <string>

#include "ui/framework/geometry.h"
#include "ui/framework/image.h"
#include "ui/shadow_bitmap.h"

class CWndShadow {
public:
    static constexpr const wchar_t* kWindowClass = L"SkinShadowWnd";

    CWndShadow() = default;
    // Closes the shadow window when the owner has not already destroyed it.
    virtual ~CWndShadow();
    CWndShadow(const CWndShadow&) = delete;
    CWndShadow& operator=(const CWndShadow&) = delete;

    // Once per process, before any shadow: finds UpdateLayeredWindow and
    // registers the window class. False when called again or when the
    // system has no layered windows (then no window gets a shadow).
    static bool Initialize(HINSTANCE instance);

    // Creates the shadow window for `owner` and starts following it.
    void Create(HWND owner);

    // Each setter refuses a value out of range (false, nothing changes) and
    // redraws a visible shadow at once.
    bool SetSize(int size);            // -20..20
    bool SetSharpness(int sharpness);  // 0..20
    bool SetDarkness(int darkness);    // 0..255
    bool SetPosition(int x, int y);    // each -20..20
    bool SetColor(COLORREF color);     // red in the low byte; the high byte is ignored
    // An image instead of the computed shadow, reaching `holeOffset` beyond
    // the owner on each side, drawn as a nine-patch with `corner` borders.
    // False when the image cannot be loaded.
    bool SetImage(const std::wstring& path, const SkinUI::Edges& holeOffset,
                  const SkinUI::Edges& corner);

    HWND GetShadowWindow() const { return shadow_; }
    const ShadowShape& GetShape() const { return shape_; }
    bool IsShown() const { return (status_ & kVisible) != 0; }

private:
    enum Status : unsigned {
        kEnabled = 1,
        kVisible = 2,
        kOwnerVisible = 4,
    };

    static LRESULT CALLBACK OwnerProc(HWND owner, UINT message, WPARAM wParam, LPARAM lParam);
    void OnOwnerMessage(HWND owner, UINT message, WPARAM wParam, LPARAM lParam);
    void OnOwnerSize(WPARAM kind, LPARAM size);
    // Draws the shadow for the owner's current size and place.
    void Update();
    POINT Origin(const RECT& ownerRect) const;
    SIZE ShadowSize(SIZE ownerSize) const;
    void Show();
    void Hide();
    // A setter's value took: a visible shadow shows it at once.
    bool Changed();

    HWND shadow_ = nullptr;
    HWND owner_ = nullptr;
    unsigned status_ = 0;
    ShadowShape shape_{0, 5, 150, 5, 5, 0};
    LPARAM lastSize_ = 0;
    bool updatePending_ = false;
    std::shared_ptr<const SkinUI::Image> image_;
    SkinUI::Edges holeOffset_;
    SkinUI::Edges imageCorner_;
};
