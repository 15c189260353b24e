#pragma once

// Move-only owners for the GDI and USER objects the framework creates.

#include <windows.h>

#include "utils/unique_handle.h"

namespace SkinUI {

template <typename T>
struct GdiObjectTraits {
    using Handle = T;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { DeleteObject(handle); }
};

struct MemoryDCTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { DeleteDC(handle); }
};

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { DestroyIcon(handle); }
};

using ScopedFont = Utils::UniqueHandle<GdiObjectTraits<HFONT>>;
using ScopedBitmap = Utils::UniqueHandle<GdiObjectTraits<HBITMAP>>;
using ScopedBrush = Utils::UniqueHandle<GdiObjectTraits<HBRUSH>>;
using ScopedRegion = Utils::UniqueHandle<GdiObjectTraits<HRGN>>;
using ScopedMemoryDC = Utils::UniqueHandle<MemoryDCTraits>;
using ScopedIcon = Utils::UniqueHandle<IconTraits>;

// Selects a GDI object into a device context for the life of the scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc_, previous_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace SkinUI
