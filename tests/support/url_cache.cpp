#include "tests/support/url_cache.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

// Exported by wininet.dll but missing from MinGW-w64's header.
extern "C" BOOL WINAPI FreeUrlCacheSpaceW(LPCWSTR cachePath, DWORD size, DWORD filter);

namespace TestSupport {
namespace {

// Reads the next entry into `buffer`, growing it once when the entry does
// not fit. `find` is null for the first entry, which opens the search.
bool NextEntry(HANDLE& find, std::vector<char>& buffer) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD size = static_cast<DWORD>(buffer.size());
        auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
        if (find == nullptr) {
            find = FindFirstUrlCacheEntryW(nullptr, entry, &size);
            if (find != nullptr) return true;
        } else if (FindNextUrlCacheEntryW(find, entry, &size)) {
            return true;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
        buffer.resize(size);
    }
    return false;
}

}  // namespace

void ClearUrlCache() {
    std::vector<char> buffer(4096);
    HANDLE find = nullptr;
    // Each pass deletes what it found; the bound only guards against a cache
    // that keeps answering with the same entry.
    for (int i = 0; i < 10000 && NextEntry(find, buffer); ++i) {
        DeleteUrlCacheEntryW(
            reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data())->lpszSourceUrlName);
    }
    if (find != nullptr) FindCloseUrlCache(find);
    // Gives back the space of every container as well, entries still locked
    // by another process included once they are released.
    FreeUrlCacheSpaceW(nullptr, 100, 0);
}

}  // namespace TestSupport
