#include "tests/skin/screen_capture.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include "ui/framework/gdi_handles.h"
#include "utils/unique_handle.h"

namespace SkinTest {

namespace {

class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() {
        if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

void AppendBytes(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(context);
    const auto* first = static_cast<const unsigned char*>(data);
    bytes->insert(bytes->end(), first, first + size);
}

}  // namespace

Capture CaptureScreen(const RECT& rect) {
    Capture capture;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ScreenDC screen;
    SkinUI::ScopedMemoryDC memory(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    SkinUI::ScopedBitmap bitmap(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (width <= 0 || height <= 0 || !memory || !bitmap) return capture;
    const HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
    const bool copied =
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY) != 0;
    SelectObject(memory.Get(), previous);
    if (!copied) return capture;
    capture.width = width;
    capture.height = height;
    const auto* first = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(first, first + static_cast<size_t>(width) * height);
    for (uint32_t& pixel : capture.pixels) pixel &= 0xFFFFFF;
    return capture;
}

bool SavePng(const Capture& capture, const std::wstring& path) {
    std::vector<unsigned char> rgb;
    rgb.reserve(capture.pixels.size() * 3);
    for (uint32_t pixel : capture.pixels) {
        rgb.push_back(static_cast<unsigned char>(pixel >> 16));
        rgb.push_back(static_cast<unsigned char>(pixel >> 8));
        rgb.push_back(static_cast<unsigned char>(pixel));
    }
    std::vector<unsigned char> png;
    if (stbi_write_png_to_func(AppendBytes, &png, capture.width, capture.height, 3, rgb.data(),
                               capture.width * 3) == 0) {
        return false;
    }
    Utils::ScopedFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           WriteFile(file.Get(), png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
           written == png.size();
}

}  // namespace SkinTest
