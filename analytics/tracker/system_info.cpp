#include "analytics/tracker/system_info.h"

#include <windows.h>

namespace vorta::analytics {

namespace {

using RtlGetNtVersionNumbersFunction = void(WINAPI*)(DWORD*, DWORD*, DWORD*);

std::optional<NtVersion> ReadNtVersion() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) return std::nullopt;
    const auto getNumbers = reinterpret_cast<RtlGetNtVersionNumbersFunction>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetNtVersionNumbers")));
    if (!getNumbers) return std::nullopt;
    DWORD major = 0;
    DWORD minor = 0;
    DWORD build = 0;
    getNumbers(&major, &minor, &build);
    // The high bits of the build number carry flags (checked or free build).
    return NtVersion{major, minor, build & 0xFFFF};
}

std::string VersionOf5(unsigned minor, bool is64BitWindows, bool isServer2003R2) {
    switch (minor) {
        case 0:
            return "2K";
        case 1:
            return "XP";
        case 2:
            if (is64BitWindows) return "XP64";
            return isServer2003R2 ? "Server 2003 R2" : "Server 2003";
        default:
            return "XP+";
    }
}

std::string VersionOf6(unsigned minor, bool is64BitWindows) {
    switch (minor) {
        case 0:
            return is64BitWindows ? "Vista64" : "Vista";
        case 1:
            return is64BitWindows ? "7" : "7-32";
        case 2:
            return is64BitWindows ? "8" : "8-32";
        case 3:
            return "8.1";
        default:
            return "8.1+";
    }
}

}  // namespace

std::string OsVersionText(const NtVersion& version, bool is64BitWindows, bool isServer2003R2) {
    if (version.major <= 4) return "XP-";
    if (version.major == 5) return VersionOf5(version.minor, is64BitWindows, isServer2003R2);
    if (version.major == 6) return VersionOf6(version.minor, is64BitWindows);
    if (version.major == 10) {
        if (version.minor >= 1) return "11+";
        return version.build >= 22000 ? "11" : "10";
    }
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.build);
}

std::string OsName() { return "Windows"; }

std::string OsVersion() {
    const std::optional<NtVersion> version = ReadNtVersion();
    if (!version) return "XP-";
    return OsVersionText(*version, Is64BitWindows(), GetSystemMetrics(SM_SERVERR2) != 0);
}

bool Is64BitWindows() {
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, BOOL*);
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
    // A 32-bit process on 64-bit Windows runs under WOW64; any other process
    // (a 64-bit build included) learns the machine from the native info.
    BOOL isWow64 = FALSE;
    if (isWow64Process && isWow64Process(GetCurrentProcess(), &isWow64) && isWow64) return true;
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
           info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64;
}

bool IsWindows7OrLater() {
    const std::optional<NtVersion> version = ReadNtVersion();
    return version && (version->major > 6 || (version->major == 6 && version->minor >= 1));
}

std::string UserAgent(const std::string& osName, const std::string& osVersion,
                      bool is64BitWindows) {
    return "Mozilla/5.0(" + osName + " " + osVersion + "; Win" + (is64BitWindows ? "64;)" : "32;)");
}

std::string UserAgent() { return UserAgent(OsName(), OsVersion(), Is64BitWindows()); }

Locale SystemLocale() {
    char language[16] = {};
    char country[16] = {};
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, language, sizeof language) ||
        !GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SISO3166CTRYNAME, country, sizeof country)) {
        return {};
    }
    return Locale{language, country, std::string(language) + "_" + country};
}

std::optional<Locale> SplitLocale(const std::string& locale) {
    const std::size_t separator = locale.find('_');
    if (separator == std::string::npos) return std::nullopt;
    return Locale{locale.substr(0, separator), locale.substr(separator + 1), locale};
}

ScreenSize PrimaryScreenSize() {
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace vorta::analytics
