#include "tests/support/url_cache.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

namespace TestSupport {

void ClearUrlCache() {
    std::vector<char> buffer(4096);
    DWORD size = static_cast<DWORD>(buffer.size());
    auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    HANDLE find = FindFirstUrlCacheEntryW(nullptr, entry, &size);
    if (find == nullptr) return;
    // Each pass deletes what it found; the bound only guards against a cache
    // that keeps answering with the same entry.
    for (int i = 0; i < 10000; ++i) {
        DeleteUrlCacheEntryW(entry->lpszSourceUrlName);
        size = static_cast<DWORD>(buffer.size());
        if (!FindNextUrlCacheEntryW(find, entry, &size)) {
            if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
            buffer.resize(size);
            entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
            if (!FindNextUrlCacheEntryW(find, entry, &size)) break;
        }
    }
    FindCloseUrlCache(find);
}

}  // namespace TestSupport
