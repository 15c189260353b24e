#pragma once

// The real installer for end-to-end runs: a copy of its test build (which
// takes its analytics collector from its configuration file) in a folder of
// its own, with "VortaInstallerConfig.ini" beside it, started as a process
// and driven with real clicks at the places the layouts give its buttons.

#include <windows.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace E2E {

using namespace std::chrono_literals;

class InstallerUnderTest {
public:
    InstallerUnderTest();

    // Writes the configuration: `install` into section "Install", the
    // collector into section "Test".
    bool Configure(const std::map<std::string, std::string>& install,
                   const std::string& collectorUrl);

    // Starts the installer process.
    bool Launch();
    // True once the main window shows, centred.
    bool WaitForMainWindow();
    bool Start() { return Launch() && WaitForMainWindow(); }
    // A window of the installer with class `className` once it shows,
    // centred; null when none did.
    HWND WaitForWindow(const std::wstring& className, std::chrono::milliseconds timeout = 60s);
    HWND MainWindow() const { return mainWindow_; }

    // A real click at `clientPoint` of `window`.
    static bool Click(HWND window, POINT clientPoint);

    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = 60s);

private:
    TestSupport::TempDir folder_;
    std::unique_ptr<TestSupport::ChildProcess> process_;
    HWND mainWindow_ = nullptr;
};

}  // namespace E2E
