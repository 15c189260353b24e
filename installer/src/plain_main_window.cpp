#include "installer/src/plain_main_window.h"

namespace {

constexpr wchar_t kClassName[] = L"QuilloraMainWnd";

void CenterOnScreen(HWND window) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Shows the icon and the product name in the middle of the window, so the
// window says what it is also where no title bar is drawn.
void PaintTitle(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    const int iconSize = 48;
    const int centerX = (client.right - client.left) / 2;
    const int centerY = (client.bottom - client.top) / 2;
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(145),
                                               IMAGE_ICON, iconSize, iconSize, 0));
    if (icon != nullptr) {
        DrawIconEx(dc, centerX - iconSize / 2, centerY - iconSize - 8, icon, iconSize, iconSize, 0,
                   nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    RECT text{client.left, centerY, client.right, centerY + 40};
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, title, -1, &text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    EndPaint(window, &paint);
}

}  // namespace

bool PlainMainWindow::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(145));
    RegisterClassExW(&windowClass);

    window_ = CreateWindowExW(0, kClassName, L"Quillora", WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              nullptr, nullptr, instance, nullptr);
    if (window_ == nullptr) return false;
    CenterOnScreen(window_);
    return true;
}

PlainMainWindow::~PlainMainWindow() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
}

LRESULT CALLBACK PlainMainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintTitle(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
