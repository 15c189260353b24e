#pragma once

// One run of the installer's main window inside the test process, as
// start-up runs it: constructed, created with the title "Quillora", centred
// and run modally on the UI thread. The test's thread drives it through the
// probe.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <memory>

#include "tests/support/ui_thread.h"
#include "tests/window/skin_window_probe.h"

namespace WindowTest {

// Prepares the process once, as start-up does before the first window: the
// skin store with its 7z archive from this program's resources, the window
// shadows and libcurl. Tests run with analytics off, an unreachable
// download address and no network check unless they say otherwise.
void PrepareProcess();

// The address no package server answers on.
inline constexpr wchar_t kUnreachableDownloadUrl[] = L"http://127.0.0.1:9/software/269";

class MainWindowSession {
public:
    MainWindowSession();
    // Ends the window if the test left it open, and waits for its object
    // (and with it the orchestrator) to go.
    ~MainWindowSession();
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    // Starts the window on the UI thread; returns at once (the window may be
    // waiting in a prompt before it shows).
    void Start();
    // The main window once it is visible; null when it did not show.
    HWND WaitShown(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Whether the window's modal loop ended and its object is gone.
    bool WaitFinished(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    bool Finished() const { return finished_; }

    TestSupport::UiThread& Ui() { return ui_; }
    // The main window's probe (after WaitShown).
    SkinWindowProbe& Main() { return *main_; }
    // A probe for the dialog with window class `className` once it shows.
    std::unique_ptr<SkinWindowProbe> WaitForDialog(const std::wstring& className);

    // Posts an installer event to the main window, as the orchestrator does.
    bool PostEvent(int code, double value, const std::wstring& text = L"");

private:
    TestSupport::UiThread ui_;
    std::unique_ptr<SkinWindowProbe> main_;
    std::atomic<bool> started_{false};
    std::atomic<bool> finished_{false};
};

}  // namespace WindowTest
