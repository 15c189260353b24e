#pragma once

// The installer event record: an event of the orchestrator's workers copied
// onto the heap and posted to the main window, which owns it from then on.

#include <windows.h>

#include <memory>
#include <string>

inline constexpr UINT kInstallerEventMessage = WM_USER + 1000;

struct InstallerEventRecord {
    int code = 0;
    double value = 0.0;
    std::wstring text;
};

// Posts a copy of the event to `window` (any thread). When the window is
// gone and the post fails, the record is freed here.
bool PostInstallerEvent(HWND window, int code, double value, const std::wstring& text);

// Takes ownership of the record carried by the message's lParam (null for
// a message without one).
std::unique_ptr<InstallerEventRecord> TakeInstallerEvent(LPARAM lParam);
