#pragma once

// A move-only owner for a C runtime stream, closed in its destructor.

#include <cstdio>
#include <string>

#include "utils/unique_handle.h"

struct CFileTraits {
    using Handle = FILE*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { fclose(handle); }
};

using ScopedCFile = Utils::UniqueHandle<CFileTraits>;

// Opens a stream with a 256 KiB buffer. libcurl hands over at most 16 KiB
// per write; with the run time's default 4 KiB buffer each of those becomes
// several system calls, which Wine makes expensive.
inline ScopedCFile OpenBufferedStream(const std::string& path, const char* mode) {
    constexpr size_t kStreamBufferSize = 256 * 1024;
    ScopedCFile stream(fopen(path.c_str(), mode));
    if (stream) setvbuf(stream.Get(), nullptr, _IOFBF, kStreamBufferSize);
    return stream;
}
