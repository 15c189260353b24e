#pragma once

// Where the buttons of the shipped layouts sit, in client coordinates of
// their window (the windows have no frame: client and window coincide).
// Tests that drive the installer in another process click there; a window
// test checks them against the laid-out controls.

#include <windows.h>

namespace SkinPoints {

// "MainWnd.xml"
inline constexpr POINT kInstallNow{300, 242};   // "defaultInstallBtn", page 0
inline constexpr POINT kOpenProduct{300, 319};  // "openProduceBtn", page 3
// "InstalledPathTipWnd.xml"
inline constexpr POINT kInstallLatest{301, 144};  // "okBtn"
// "NetworkTipWnd.xml"
inline constexpr POINT kTryLater{220, 146};  // "cancelBtn"
// "MessageBox2Wnd.xml"
inline constexpr POINT kNoticeClose{336, 15};  // "closebtn"

}  // namespace SkinPoints
