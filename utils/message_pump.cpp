#include "message_pump.h"

#include <mmsystem.h>

namespace Utils {

bool PumpMessages(HWND window) {
    const DWORD start = timeGetTime();
    MSG msg{};
    bool result = false;
    for (;;) {
        if (window != nullptr && !IsWindow(window)) break;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (timeGetTime() - start > 100) {
            result = true;
            break;
        }
    }
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    return result;
}

}  // namespace Utils
