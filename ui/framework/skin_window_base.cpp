#include "ui/framework/skin_window_base.h"

#include <windowsx.h>

#include "installer/src/diagnostic_log.h"
#include "ui/framework/geometry.h"
#include "ui/framework/markup_builder.h"
#include "ui/framework/resource_source.h"

SkinWindowBase::~SkinWindowBase() {
    // The paint manager goes before the window base: no message may reach it
    // on the way.
    DetachAndDestroy();
}

CControl* SkinWindowBase::FindControl(const std::wstring& name) const {
    return paintManager_.FindControl(name);
}

std::optional<std::wstring> SkinWindowBase::GetWindowAttribute(const std::wstring& name) const {
    return paintManager_.GetWindowAttribute(name);
}

void SkinWindowBase::Notify(const NotifyMsg& msg) {
    if (RouteNotify(msg)) return;
    if (msg.type == L"click") OnClick(msg);
}

LRESULT SkinWindowBase::MessageFilter(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

std::unique_ptr<CControl> SkinWindowBase::CreateControl(const std::wstring&) { return nullptr; }

void SkinWindowBase::OnClick(const NotifyMsg& msg) {
    if (msg.sender == nullptr) return;
    const std::wstring& name = msg.sender->GetName();
    if (name == L"closebtn") {
        Close(1);
    } else if (name == L"minbtn") {
        SendMessageW(GetHWND(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (name == L"maxbtn") {
        SendMessageW(GetHWND(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    } else if (name == L"restorebtn") {
        SendMessageW(GetHWND(), WM_SYSCOMMAND, SC_RESTORE, 0);
    }
}

LRESULT SkinWindowBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT SkinWindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_NCACTIVATE:
            // The skin draws the whole window; there is no frame to repaint.
            if (!IsIconic(GetHWND())) return TRUE;
            break;
        case WM_NCCALCSIZE:
            // The client area is the whole window.
            return 0;
        case WM_NCPAINT:
            return 0;
        case WM_NCHITTEST:
            return OnNcHitTest(lParam);
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) UpdateRegion();
            break;
        default: {
            bool handled = false;
            const LRESULT result = HandleCustomMessage(message, wParam, lParam, handled);
            if (handled) return result;
        }
    }
    LRESULT result = 0;
    if (paintManager_.MessageHandler(message, wParam, lParam, result)) return result;
    return CWindowBase::HandleMessage(message, wParam, lParam);
}

LRESULT SkinWindowBase::OnCreate() {
    HWND window = GetHWND();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, (style & ~WS_CAPTION) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    paintManager_.Init(window);
    paintManager_.AddMessageFilter(this);
    if (SkinUI::ISkinResourceSource* source = SkinUI::SkinResourceSource()) {
        source->PrepareForWindow(GetSkinFolder(), GetResourceType(), GetResourceID());
    }
    CMarkupBuilder builder;
    std::unique_ptr<CControl> root = builder.Create(GetSkinFile(), paintManager_, this);
    if (!root) {
        QLOG(L"building the layout %s failed: %s", GetSkinFile().c_str(),
             builder.GetLastError().c_str());
        MessageBoxW(nullptr, L"加载资源文件失败", L"SkinUI", MB_ICONERROR);
        ExitProcess(1);
    }
    paintManager_.AttachRoot(std::move(root));
    paintManager_.AddNotifier(this);

    const SIZE size = paintManager_.GetInitSize();
    if (size.cx > 0 && size.cy > 0) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InitWindow();
    return 0;
}

LRESULT SkinWindowBase::OnNcHitTest(LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(GetHWND(), &point);
    RECT client{};
    GetClientRect(GetHWND(), &client);
    const RECT& caption = paintManager_.GetCaptionRect();
    const bool inCaption = point.x >= client.left + caption.left &&
                           point.x < client.right - caption.right && point.y >= caption.top &&
                           point.y < caption.bottom;
    if (inCaption) {
        // Buttons in the band still take their clicks.
        CControl* control = paintManager_.FindControlAt(point);
        if (control == nullptr || !control->IsInteractive()) return HTCAPTION;
    }
    return HTCLIENT;
}

void SkinWindowBase::UpdateRegion() {
    const auto corner = paintManager_.GetRoundCorner();
    if (!corner) return;
    RECT window{};
    GetWindowRect(GetHWND(), &window);
    SkinUI::ScopedRegion region(CreateRoundRectRgn(
        0, 0, SkinUI::Width(window) + 1, SkinUI::Height(window) + 1, corner->cx, corner->cy));
    // The window owns the region once it accepted it.
    if (SetWindowRgn(GetHWND(), region.Get(), TRUE) != 0) region.Release();
}
