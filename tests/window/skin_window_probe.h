#pragma once

// Looks at and drives a skinned window of this test process from the test's
// thread: every read runs on the UI thread that owns the window, and clicks
// are real X input at the control's place on the screen.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "tests/support/ui_thread.h"

class SkinWindowBase;

namespace WindowTest {

using namespace std::chrono_literals;

// A visible top-level window of process `processId` with window class
// `className`; null when there is none.
HWND FindVisibleWindow(DWORD processId, const std::wstring& className);

// The visible top-level window of this process with window class
// `className` (the skin file's name without extension), polling until
// `timeout`; null when none appeared.
HWND WaitForSkinWindow(const std::wstring& className, std::chrono::milliseconds timeout = 20s);

// Whether no visible window of that class is left after at most `timeout`.
bool WaitUntilGone(const std::wstring& className, std::chrono::milliseconds timeout = 20s);

// Saves a picture of `window` (of any process), its shadow included, as
// "<build>/screenshots/<name>.png"; the file's path, or empty on failure.
std::wstring SaveWindowScreenshot(HWND window, const std::string& name);

class SkinWindowProbe {
public:
    SkinWindowProbe(TestSupport::UiThread& ui, HWND window) : ui_(ui), window_(window) {}

    HWND Window() const { return window_; }
    bool Exists() const { return IsWindow(window_) != FALSE; }

    // A real click in the middle of the named control; false when the
    // control is missing or hidden.
    bool Click(const std::wstring& control);
    std::optional<POINT> ScreenCenterOf(const std::wstring& control);

    std::optional<std::wstring> Text(const std::wstring& control);
    std::optional<bool> Visible(const std::wstring& control);
    std::optional<bool> Enabled(const std::wstring& control);
    std::optional<bool> Selected(const std::wstring& control);  // check boxes
    std::optional<int> Page(const std::wstring& tabLayout);
    std::optional<int> ProgressValue(const std::wstring& control);
    std::optional<std::wstring> BackgroundImage(const std::wstring& control);

    // Runs `work` on the UI thread with the window's object (null once the
    // window is gone).
    bool Inspect(const std::function<void(SkinWindowBase*)>& work);

    // Saves a picture of the window (shadow included) as
    // "<build>/screenshots/<name>.png".
    std::wstring Screenshot(const std::string& name);

private:
    TestSupport::UiThread& ui_;
    HWND window_;
};

}  // namespace WindowTest
