#include "utils/directory_chain.h"

#include <windows.h>

namespace Utils {
namespace {

bool EnsureDirectory(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    return CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

}  // namespace

bool CreateDirectoryChain(const std::wstring& path) {
    if (path.size() > MAX_PATH) return false;
    size_t backslash = path.find(L'\\');
    while (backslash != std::wstring::npos) {
        if (!EnsureDirectory(path.substr(0, backslash + 1))) return false;
        backslash = path.find(L'\\', backslash + 1);
    }
    if (!path.empty() && path.back() != L'\\' && !EnsureDirectory(path)) return false;
    return true;
}

}  // namespace Utils
