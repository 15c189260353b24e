// A stand-in for the installer: loads its settings exactly as the installer
// does (the file beside it during static initialisation, then its own
// command line) and writes them, one "name=value" line each, to the file
// named by the environment variable QUILLORA_SETTINGS_OUT (UTF-8).

#include <windows.h>

#include <cstdio>
#include <string>

#include "installer/src/installer_settings.h"
#include "utils/text_encoding.h"

int wmain() {
    ApplyProcessCommandLine();
    wchar_t out[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"QUILLORA_SETTINGS_OUT", out, MAX_PATH) == 0) return 2;
    FILE* file = _wfopen(out, L"wb");
    if (file == nullptr) return 3;
    const InstallerSettings& s = Settings();
    const std::wstring text =
        L"exeFileName=" + s.exeFileName + L"\n" + L"downloadUrl=" + s.downloadUrl + L"\n" +
        L"downloadType=" + std::to_wstring(s.downloadType) + L"\n" +
        L"isCheckNet=" + std::to_wstring(s.isCheckNet) + L"\n" +
        L"isEnableAppAnalytics=" + std::to_wstring(s.isEnableAppAnalytics) + L"\n" +
        L"dlAppNameSuffix=" + s.dlAppNameSuffix + L"\n" + L"dlAppVersion=" + s.dlAppVersion +
        L"\n" + L"downloadScale=" + std::to_wstring(s.downloadScale) + L"\n" +
        L"instCmd=" + s.instCmd + L"\n";
    const std::string bytes = Utils::ToUtf8(text);
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    return 0;
}
