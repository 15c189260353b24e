#pragma once

// Decoded skin images: 32-bit pixels, top row first, alpha premultiplied
// (0xAARRGGBB with red, green and blue already multiplied by alpha/255), the
// form the canvas blends and the layered-window API expects.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace SkinUI {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Decodes PNG bytes (any colour type, palette included). Pixels whose RGB
// equals `mask` become fully transparent. Nothing for undecodable bytes.
std::shared_ptr<const Image> DecodeImage(const std::vector<uint8_t>& bytes,
                                         std::optional<uint32_t> mask = std::nullopt);

// Reads `path` through the installed skin resource source (the skin
// archive, then the disk) and decodes it; nothing when it cannot be found
// or decoded.
std::shared_ptr<const Image> LoadSkinImage(const std::wstring& path,
                                           std::optional<uint32_t> mask = std::nullopt);

}  // namespace SkinUI
