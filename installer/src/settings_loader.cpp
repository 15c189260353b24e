#include "installer/src/settings_loader.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cerrno>
#include <cmath>
#include <cwchar>
#include <limits>
#include <map>

#include "installer/src/download_route.h"

namespace {

constexpr wchar_t kSection[] = L"Install";
constexpr size_t kValueBuffer = 260;

// The C run time's wide string-to-double conversion. `notANumber` is the
// result for a text that does not start with a number; a number beyond a
// double's range keeps the built-in share.
double ToScale(const std::wstring& text, double notANumber) {
    const wchar_t* begin = text.c_str();
    wchar_t* end = nullptr;
    errno = 0;
    const double value = wcstod(begin, &end);
    if (end == begin) return notANumber;
    if (errno == ERANGE && std::isinf(value)) return InstallerSettings{}.downloadScale;
    return value;
}

// Decimal conversion that skips leading white space and ignores what
// follows the number; 0 for no number. Out-of-range values saturate at the
// 32-bit limits (long is 32 bits on Windows).
int ToDownloadType(const std::wstring& text) {
    static_assert(sizeof(long) == sizeof(int), "wcstol saturates at the int limits");
    return static_cast<int>(wcstol(text.c_str(), nullptr, 10));
}

std::wstring ReadString(const std::wstring& file, const wchar_t* key, const wchar_t* fallback) {
    wchar_t value[kValueBuffer] = {};
    GetPrivateProfileStringW(kSection, key, fallback, value, kValueBuffer, file.c_str());
    return value;
}

}  // namespace

std::wstring DefaultDownloadUrl() {
    return L"http://" QUILLORA_PACKAGE_HOST L"/software/269";
}

InstallerSettings LoadSettings(const std::wstring& exePath) {
    InstallerSettings settings;
    settings.downloadUrl = SubstituteRoute(DefaultDownloadUrl());

    wchar_t name[MAX_PATH] = {};
    lstrcpynW(name, exePath.c_str(), MAX_PATH);
    PathStripPathW(name);
    settings.exeFileName = name;

    wchar_t folder[MAX_PATH] = {};
    lstrcpynW(folder, exePath.c_str(), MAX_PATH);
    PathRemoveFileSpecW(folder);
    const std::wstring file = std::wstring(folder) + L"\\VortaInstallerConfig.ini";
    if (PathFileExistsW(file.c_str())) {
        settings.downloadUrl =
            SubstituteRoute(ReadString(file, L"DownloadUrl", DefaultDownloadUrl().c_str()));
        settings.downloadType =
            static_cast<int>(GetPrivateProfileIntW(kSection, L"DownloadType", 1, file.c_str()));
        settings.isCheckNet = ReadString(file, L"IsCheckNet", L"true") == L"true";
        settings.isEnableAppAnalytics =
            ReadString(file, L"IsEnableAppAnalytics", L"true") == L"true";
        settings.dlAppNameSuffix = ReadString(file, L"DlAppNameSuffix", L".downloader");
        settings.dlAppVersion = ReadString(file, L"m_DlAppVersion", L"");
        settings.downloadScale = ToScale(ReadString(file, L"DownloadScale", L"0.7"), 0.0);
        settings.instCmd = ReadString(file, L"InstCmd", L"");
    }
    settings.productId = L"Quillora";
    settings.installerVersion = L"1.7.9";
    return settings;
}

void ApplySwitches(InstallerSettings& settings, const std::vector<std::wstring>& tokens) {
    std::map<std::wstring, std::wstring> switches;
    for (const std::wstring& token : tokens) {
        const size_t equals = token.find(L'=');
        if (!token.empty() && token[0] == L'-' && equals != std::wstring::npos) {
            switches.emplace(token.substr(0, equals), token.substr(equals + 1));
        } else {
            switches.emplace(token, L"");
        }
    }
    auto apply = [&](const wchar_t* key, auto set) {
        const auto found = switches.find(key);
        if (found != switches.end()) set(found->second);
    };
    apply(L"-downloadurl", [&](const std::wstring& v) { settings.downloadUrl = SubstituteRoute(v); });
    apply(L"-downloadtype", [&](const std::wstring& v) { settings.downloadType = ToDownloadType(v); });
    apply(L"-downloadscale", [&](const std::wstring& v) {
        settings.downloadScale = ToScale(v, std::numeric_limits<double>::quiet_NaN());
    });
    apply(L"-ischecknet", [&](const std::wstring& v) { settings.isCheckNet = v == L"true"; });
    apply(L"-isenableappanalytics",
          [&](const std::wstring& v) { settings.isEnableAppAnalytics = v == L"true"; });
    apply(L"-dlappnamesuffix", [&](const std::wstring& v) { settings.dlAppNameSuffix = v; });
    apply(L"-dlappversion", [&](const std::wstring& v) { settings.dlAppVersion = v; });
    apply(L"-instcmd", [&](const std::wstring& v) { settings.instCmd = v; });
}

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine.c_str(), &count);
    if (arguments == nullptr) return {};
    std::vector<std::wstring> tokens(arguments, arguments + count);
    LocalFree(arguments);
    return tokens;
}
