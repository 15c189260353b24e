#pragma once

// A move-only owner for a C runtime stream, closed in its destructor.

#include <cstdio>

#include "utils/unique_handle.h"

struct CFileTraits {
    using Handle = FILE*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { fclose(handle); }
};

using ScopedCFile = Utils::UniqueHandle<CFileTraits>;
