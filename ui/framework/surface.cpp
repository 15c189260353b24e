#include "ui/framework/surface.h"

namespace SkinUI {

Surface::~Surface() { Release(); }

void Surface::Release() {
    // A bitmap cannot be deleted while it is selected into a context.
    if (dc_ && previousBitmap_ != nullptr) SelectObject(dc_.Get(), previousBitmap_);
    previousBitmap_ = nullptr;
    bitmap_.Reset();
    dc_.Reset();
    bits_ = nullptr;
    size_ = SIZE{};
}

bool Surface::Resize(SIZE size) {
    if (size.cx == size_.cx && size.cy == size_.cy && bitmap_) return true;
    Release();
    if (size.cx <= 0 || size.cy <= 0) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return false;
    ScopedBitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return false;

    previousBitmap_ = SelectObject(dc.Get(), bitmap.Get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    bits_ = static_cast<uint32_t*>(bits);
    size_ = size;
    return true;
}

}  // namespace SkinUI
