#include "installer/src/product_launcher.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "installer/src/diagnostic_log.h"
#include "installer/src/installation_folders.h"
#include "utils/message_pump.h"

namespace {

// Shorter addresses cannot name a page ("http:" alone is 5 characters).
constexpr size_t kShortestStartUrl = 6;
constexpr UINT kPumpWakeUpMs = 60;

void Open(const std::wstring& file, const wchar_t* folder, int show) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, folder, show));
    if (result <= 32) QLOG(L"cannot open %s: %d", file.c_str(), static_cast<int>(result));
}

}  // namespace

void OpenWebPage(const std::wstring& url) { Open(url, nullptr, SW_SHOWMAXIMIZED); }

void StartProduct(HWND window, const std::wstring& startUrl, const std::wstring& productExe) {
    if (startUrl.size() >= kShortestStartUrl) OpenWebPage(startUrl);
    if (productExe.empty() || !PathFileExistsW(productExe.c_str())) return;
    // The pump ends only with a message dispatched after 100 ms; a thread
    // timer makes sure one comes even when nothing else happens.
    const UINT_PTR wakeUp = SetTimer(nullptr, 0, kPumpWakeUpMs, nullptr);
    Utils::PumpMessages(window);
    KillTimer(nullptr, wakeUp);
    Open(productExe, nullptr, SW_SHOWNORMAL);
}

void OpenInstalledProduct(const std::wstring& folder) {
    Open(JoinPath(folder, L"Quillora.exe"), folder.c_str(), SW_SHOWNORMAL);
}
