#pragma once

// Pixels of a part of the screen as the user sees them, and PNG files of
// them for a person to look at.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace SkinTest {

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool operator==(const Capture& other) const {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};

// The screen inside `rect` (screen coordinates); empty when GDI refuses.
Capture CaptureScreen(const RECT& rect);

// Writes `capture` as a PNG file; false when it cannot.
bool SavePng(const Capture& capture, const std::wstring& path);

}  // namespace SkinTest
