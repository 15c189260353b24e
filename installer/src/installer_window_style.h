#pragma once

#include <windows.h>

// The style every installer window takes once its skin is built: no system
// caption, no maximise box, children clipped, never topmost.
void ApplyInstallerWindowStyle(HWND window);
