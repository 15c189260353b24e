#pragma once

// An off-screen drawing surface: a 32-bit top-down DIB section selected into
// a memory device context, so that GDI (text) and the software canvas
// (fills, images) draw on the same pixels.

#include <windows.h>

#include <cstdint>

#include "ui/framework/canvas.h"
#include "ui/framework/gdi_handles.h"

namespace SkinUI {

class Surface {
public:
    Surface() = default;
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Makes the surface `size` large (contents undefined afterwards unless
    // it was recreated, then all zero); false when GDI refuses.
    bool Resize(SIZE size);

    HDC DC() const { return dc_.Get(); }
    SIZE Size() const { return size_; }
    uint32_t* Bits() const { return bits_; }
    Canvas MakeCanvas() const { return Canvas(bits_, size_.cx, size_.cy); }

private:
    void Release();

    ScopedMemoryDC dc_;
    ScopedBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    SIZE size_{};
};

}  // namespace SkinUI
