#include "utils/temp_folder.h"

#include <cwchar>

namespace Utils {
namespace {
constexpr wchar_t kFolderName[] = L"~VortaTemp.92482B06FB471E17\\";
}

int GetPrivateTempFolder(wchar_t (&path)[MAX_PATH]) {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH ||
        wcslen(folder) + wcslen(kFolderName) >= MAX_PATH) {
        return 1;
    }
    wcscat(folder, kFolderName);
    const DWORD attributes = GetFileAttributesW(folder);
    const bool exists =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!exists && !CreateDirectoryW(folder, nullptr)) return 1;
    wcscpy(path, folder);
    return 0;
}

std::wstring GetPrivateTempFolder() {
    wchar_t path[MAX_PATH] = {};
    return GetPrivateTempFolder(path) == 0 ? std::wstring(path) : std::wstring();
}

}  // namespace Utils
