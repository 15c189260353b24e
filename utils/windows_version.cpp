#include "utils/windows_version.h"

#include <windows.h>

namespace Utils {

std::wstring WindowsVersionName(unsigned major, unsigned minor, unsigned build,
                                bool isServer2003R2) {
    if (major <= 4) return L"XP-";
    if (major == 5) {
        if (minor == 0) return L"2K";
        if (minor == 1) return L"XP";
        if (minor == 2) return isServer2003R2 ? L"Server 2003 R2" : L"Server 2003";
        return L"XP+";
    }
    if (major == 6) {
        switch (minor) {
            case 0:
                return L"Vista";
            case 1:
                return L"7";
            case 2:
                return L"8";
            case 3:
                return L"8.1";
            default:
                return L"8.1+";
        }
    }
    if (major == 10) return minor == 0 ? L"10" : L"10+";
    return std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." + std::to_wstring(build);
}

void GetWindowsVersionName(std::wstring& family, std::wstring& version) {
    family = L"Windows";
    // ntdll reports the true numbers, unaffected by compatibility shims.
    using RtlGetNtVersionNumbersFn = void(WINAPI*)(DWORD*, DWORD*, DWORD*);
    DWORD major = 0, minor = 0, build = 0;
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        auto getNumbers = reinterpret_cast<RtlGetNtVersionNumbersFn>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetNtVersionNumbers")));
        if (getNumbers != nullptr) getNumbers(&major, &minor, &build);
    }
    version = WindowsVersionName(major, minor, build & 0xFFFF, GetSystemMetrics(SM_SERVERR2) != 0);
}

bool IsWindows64Bit() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    auto isWow64 = kernel32 == nullptr ? nullptr
                                       : reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(
                                             GetProcAddress(kernel32, "IsWow64Process")));
    // A 32-bit process on 64-bit Windows runs under WOW64; any other process
    // (a 64-bit build included) learns the machine from the native info.
    BOOL wow64 = FALSE;
    if (isWow64 != nullptr && isWow64(GetCurrentProcess(), &wow64) && wow64) return true;
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
           info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64;
}

}  // namespace Utils
