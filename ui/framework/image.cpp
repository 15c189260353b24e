#include "ui/framework/image.h"

#include <limits>

#include "ui/framework/resource_source.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include "stb_image.h"

namespace SkinUI {

namespace {

uint32_t Premultiplied(const stbi_uc* rgba) {
    const uint32_t alpha = rgba[3];
    const auto scale = [alpha](uint32_t channel) { return (channel * alpha + 127) / 255; };
    return alpha << 24 | scale(rgba[0]) << 16 | scale(rgba[1]) << 8 | scale(rgba[2]);
}

struct StbPixels {
    stbi_uc* data = nullptr;
    ~StbPixels() { stbi_image_free(data); }
};

}  // namespace

std::shared_ptr<const Image> DecodeImage(const std::vector<uint8_t>& bytes,
                                         std::optional<uint32_t> mask) {
    if (bytes.empty() || bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
        return nullptr;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    StbPixels decoded;
    decoded.data = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width,
                                         &height, &channels, 4);
    if (decoded.data == nullptr) return nullptr;

    auto image = std::make_shared<Image>();
    image->width = width;
    image->height = height;
    image->pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < image->pixels.size(); ++i) {
        const stbi_uc* rgba = decoded.data + i * 4;
        const uint32_t rgb = uint32_t{rgba[0]} << 16 | uint32_t{rgba[1]} << 8 | rgba[2];
        image->pixels[i] = mask && rgb == (*mask & 0xFFFFFF) ? 0 : Premultiplied(rgba);
    }
    return image;
}

std::shared_ptr<const Image> LoadSkinImage(const std::wstring& path, std::optional<uint32_t> mask) {
    ISkinResourceSource* source = SkinResourceSource();
    if (source == nullptr) return nullptr;
    return DecodeImage(source->LoadImageBytes(path), mask);
}

}  // namespace SkinUI
