#include "ui/framework/window_base.h"

#include <algorithm>

#include "ui/framework/geometry.h"
#include "ui/framework/modal_loop.h"
#include "ui/framework/paint_manager.h"
#include "ui/framework/resource_source.h"

using SkinUI::Height;
using SkinUI::Width;

CWindowBase::~CWindowBase() { DetachAndDestroy(); }

void CWindowBase::DetachAndDestroy() {
    if (window_ == nullptr) return;
    HWND window = window_;
    window_ = nullptr;
    if (!IsWindow(window)) return;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

bool CWindowBase::RegisterWindowClass() const {
    const std::wstring className = GetWindowClassName();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = SkinUI::ResourceInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowBase::Create(HWND parent, const std::wstring& title, DWORD style, DWORD exStyle, int x,
                         int y, int width, int height) {
    if (window_ != nullptr || !RegisterWindowClass()) return nullptr;
    CreateWindowExW(exStyle, GetWindowClassName().c_str(), title.c_str(), style, x, y, width,
                    height, parent, nullptr, SkinUI::ResourceInstance(), this);
    return window_;
}

UINT CWindowBase::ShowModal() {
    return static_cast<UINT>(
        RunModalLoop(window_, [](MSG& msg) { return CPaintManager::TranslateMessage(msg); }));
}

void CWindowBase::Close(UINT code) {
    if (window_ != nullptr && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, code, 0);
}

void CWindowBase::CenterWindow() {
    if (window_ == nullptr) return;
    RECT window{};
    GetWindowRect(window_, &window);
    HWND owner = GetWindow(window_, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window_, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT& work = monitor.rcWork;
    // A window larger than the work area keeps its top-left corner visible.
    const int x = std::max<int>(work.left, work.left + (Width(work) - Width(window)) / 2);
    const int y = std::max<int>(work.top, work.top + (Height(work) - Height(window)) / 2);
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowBase::SetIcon(UINT resourceId) {
    const auto load = [resourceId](int sizeMetric) {
        const int size = GetSystemMetrics(sizeMetric);
        return SkinUI::ScopedIcon(
            static_cast<HICON>(LoadImageW(SkinUI::ResourceInstance(), MAKEINTRESOURCEW(resourceId),
                                          IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    };
    SkinUI::ScopedIcon largeIcon = load(SM_CXICON);
    SkinUI::ScopedIcon smallIcon = load(SM_CXSMICON);
    // The window lets go of the old icons before they are destroyed.
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon.Get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.Get()));
    largeIcon_ = std::move(largeIcon);
    smallIcon_ = std::move(smallIcon);
}

LRESULT CWindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK CWindowBase::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<CWindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CWindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message != WM_NCDESTROY) return self->HandleMessage(message, wParam, lParam);

    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->OnFinalMessage(window);
    return result;
}
