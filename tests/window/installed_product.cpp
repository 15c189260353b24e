#include "tests/window/installed_product.h"

#include <windows.h>

#include "installer/src/running_process.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_packages.h"
#include "tests/support/wait.h"
#include "utils/install_registry.h"

namespace WindowTest {

using namespace std::chrono_literals;

bool InstallPackageInto(const std::wstring& folder) {
    TestSupport::ChildProcess setup(L"\"" + TestSupport::SetupPackageExe() + L"\" /S -instdir=\"" +
                                    folder + L"\"");
    return setup.Started() && setup.Wait(60s).has_value() &&
           TestSupport::FileExists(folder + L"\\Quillora.exe") &&
           TestSupport::FileExists(folder + L"\\uninst.ep");
}

bool RegisterInstallation(const std::wstring& folder) {
    return Utils::WriteInstallRegistryValue(L"InstallPath", folder) &&
           Utils::WriteInstallRegistryValue(L"UnInstallEp", folder + L"\\uninst.ep");
}

std::wstring RegistryText(const wchar_t* name) {
    DWORD type = 0;
    std::wstring text;
    return Utils::ReadInstallRegistryValue(name, type, text) ? text : L"";
}

std::wstring IniText(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[260] = {};
    GetPrivateProfileStringW(section, key, L"", value, 260, file.c_str());
    return value;
}

bool ProductStartedIn(const std::wstring& folder) {
    return TestSupport::FileExists(folder + L"\\Quillora.started");
}

bool CloseRunningProducts() {
    return TestSupport::WaitUntil(
        [] {
            for (HWND window = FindWindowW(L"QuilloraProductWindow", nullptr); window != nullptr;
                 window = FindWindowExW(nullptr, window, L"QuilloraProductWindow", nullptr)) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            return !IsProcessRunning(L"Quillora.exe");
        },
        20s, 200ms);
}

}  // namespace WindowTest
