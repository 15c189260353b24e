#include "ui/framework/modal_loop.h"

namespace {

void EnableAndFocus(HWND owner) {
    if (owner == nullptr) return;
    EnableWindow(owner, TRUE);
    SetFocus(owner);
}

}  // namespace

WPARAM RunModalLoop(HWND window, const PreTranslateMessage& preTranslate) {
    ShowWindow(window, SW_SHOWNORMAL);
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr) EnableWindow(owner, FALSE);

    WPARAM result = 0;
    MSG msg{};
    while (IsWindow(window)) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        if (msg.message == WM_CLOSE && msg.hwnd == window) {
            result = msg.wParam;
            EnableAndFocus(owner);
        }
        if (!preTranslate || !preTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    EnableAndFocus(owner);
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    return result;
}
