#include "installer/src/dll_hardening.h"

#include <windows.h>

#include <string>

namespace {

constexpr const wchar_t* kPreloadedLibraries[] = {
    L"version.dll", L"ws2_32.dll", L"sxs.dll",     L"dwmapi.dll",        L"msimg32.dll",
    L"d3d8.dll",    L"ieframe.dll", L"ws2help.dll", L"WindowsCodecs.dll",
};

void RestrictToSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (kernel32 == nullptr) return;
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (setDefault != nullptr) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

void HardenDllSearch() {
    RestrictToSystemFolder();
    SetDllDirectoryW(L"");

    wchar_t systemFolder[MAX_PATH] = {};
    if (GetSystemDirectoryW(systemFolder, MAX_PATH) == 0) return;
    for (const wchar_t* name : kPreloadedLibraries) {
        // Deliberately never freed: the point is to keep them loaded.
        LoadLibraryW((std::wstring(systemFolder) + L"\\" + name).c_str());
    }
}
