#include "tests/e2e/installer_under_test.h"

#include <cstdlib>

#include "tests/support/test_paths.h"
#include "tests/support/url_cache.h"
#include "tests/support/wait.h"
#include "tests/support/x_display.h"
#include "tests/window/skin_window_probe.h"

namespace E2E {

namespace {

// A skinned window is created at a default place and centred right after;
// it is ready for clicks once it sits in the middle of the work area.
bool IsCentred(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    return std::abs((rect.left + rect.right) - (work.left + work.right)) <= 2 &&
           std::abs((rect.top + rect.bottom) - (work.top + work.bottom)) <= 2;
}

}  // namespace

InstallerUnderTest::InstallerUnderTest() {
    TestSupport::ClearUrlCache();
    CopyFileW((TestSupport::BuildDir() + L"\\QuilloraInstaller_e2e.exe").c_str(),
              (folder_ / L"QuilloraInstaller.exe").c_str(), FALSE);
}

bool InstallerUnderTest::Configure(const std::map<std::string, std::string>& install,
                                   const std::string& collectorUrl) {
    std::string text = "[Install]\r\n";
    for (const auto& [key, value] : install) text += key + "=" + value + "\r\n";
    text += "[Test]\r\nCollectorUrl=" + collectorUrl + "\r\n";
    return TestSupport::WriteBytes(folder_ / L"VortaInstallerConfig.ini", text);
}

bool InstallerUnderTest::Launch() {
    process_ = std::make_unique<TestSupport::ChildProcess>(
        L"\"" + (folder_ / L"QuilloraInstaller.exe") + L"\"");
    return process_->Started();
}

bool InstallerUnderTest::WaitForMainWindow() {
    mainWindow_ = WaitForWindow(L"MainWnd");
    return mainWindow_ != nullptr;
}

HWND InstallerUnderTest::WaitForWindow(const std::wstring& className,
                                       std::chrono::milliseconds timeout) {
    if (!process_) return nullptr;
    HWND found = nullptr;
    const bool ready = TestSupport::WaitUntil(
        [&] {
            found = WindowTest::FindVisibleWindow(process_->Id(), className);
            return found != nullptr && IsCentred(found);
        },
        timeout, 50ms);
    return ready ? found : nullptr;
}

bool InstallerUnderTest::Click(HWND window, POINT clientPoint) {
    return ClientToScreen(window, &clientPoint) && TestSupport::ClickAt(clientPoint);
}

std::optional<DWORD> InstallerUnderTest::WaitForExit(std::chrono::milliseconds timeout) {
    return process_ ? process_->Wait(timeout) : std::nullopt;
}

}  // namespace E2E
