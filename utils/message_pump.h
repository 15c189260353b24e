#pragma once

#include <windows.h>

namespace Utils {

// Dispatches the thread's messages until one has been dispatched more than
// 100 ms after the call began (true), or until `window` (when given) is gone
// or WM_QUIT arrives (false; WM_QUIT is posted again for the outer loop).
// Blocks in GetMessageW while the queue is empty.
bool PumpMessages(HWND window);

}  // namespace Utils
