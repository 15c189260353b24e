#pragma once

#include <windows.h>

#include <functional>

// Offered each message before translation; returns true when it consumed it.
using PreTranslateMessage = std::function<bool(MSG&)>;

// Shows `window` and runs its modal message loop until the window is gone or
// WM_QUIT arrives (which is then posted again for the outer loop). Returns
// the wParam of the last WM_CLOSE sent to the window, 0 when there was none.
WPARAM RunModalLoop(HWND window, const PreTranslateMessage& preTranslate);
