#include "ui/framework/canvas.h"

#include <algorithm>

#include "ui/framework/geometry.h"

namespace SkinUI {

namespace {

uint32_t ScaleChannels(uint32_t pixel, uint32_t factor) {
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t channel = (pixel >> shift) & 0xFF;
        result |= ((channel * factor + 127) / 255) << shift;
    }
    return result;
}

// Whether the centre of pixel (x, y) lies inside the rounded rectangle.
bool InsideRoundRect(const RECT& rect, SIZE corner, int x, int y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    if (px < rect.left || px > rect.right || py < rect.top || py > rect.bottom) return false;
    const double rx = std::min<LONG>(corner.cx, Width(rect)) / 2.0;
    const double ry = std::min<LONG>(corner.cy, Height(rect)) / 2.0;
    if (rx <= 0 || ry <= 0) return true;
    double dx = 0;
    if (px < rect.left + rx) dx = rect.left + rx - px;
    if (px > rect.right - rx) dx = px - (rect.right - rx);
    double dy = 0;
    if (py < rect.top + ry) dy = rect.top + ry - py;
    if (py > rect.bottom - ry) dy = py - (rect.bottom - ry);
    if (dx == 0 || dy == 0) return true;
    return (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
}

// Source coordinate for destination offset `d` along one axis.
int SourceOffset(int d, int sourceLength, int destLength, bool tiled) {
    if (tiled) return d % sourceLength;
    return static_cast<int>((static_cast<int64_t>(d) * 2 + 1) * sourceLength / (destLength * 2));
}

}  // namespace

uint32_t Premultiply(uint32_t argb) {
    const uint32_t alpha = argb >> 24;
    return alpha << 24 | (ScaleChannels(argb, alpha) & 0xFFFFFF);
}

uint32_t BlendOver(uint32_t source, uint32_t destination) {
    const uint32_t alpha = source >> 24;
    if (alpha == 255) return source;
    if (alpha == 0 && source == 0) return destination;
    const uint32_t kept = ScaleChannels(destination, 255 - alpha);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t sum = ((source >> shift) & 0xFF) + ((kept >> shift) & 0xFF);
        result |= std::min<uint32_t>(sum, 255) << shift;
    }
    return result;
}

Canvas::Canvas(uint32_t* pixels, int width, int height)
    : pixels_(pixels), width_(width), height_(height), clip_{0, 0, width, height} {}

void Canvas::SetClip(const RECT& clip) { clip_ = Intersection(clip, RECT{0, 0, width_, height_}); }

void Canvas::Clear(const RECT& rect, uint32_t pixel) {
    const RECT area = Intersection(rect, clip_);
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = pixels_ + static_cast<size_t>(y) * width_;
        std::fill(row + area.left, row + area.right, pixel);
    }
}

template <typename Shape>
void Canvas::FillShape(const RECT& bounds, uint32_t argb, Shape inside) {
    const uint32_t color = Premultiply(argb);
    if (color >> 24 == 0) return;
    const RECT area = Intersection(bounds, clip_);
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = pixels_ + static_cast<size_t>(y) * width_;
        for (int x = area.left; x < area.right; ++x) {
            if (inside(x, y)) row[x] = BlendOver(color, row[x]);
        }
    }
}

void Canvas::FillRect(const RECT& rect, uint32_t argb) {
    FillShape(rect, argb, [](int, int) { return true; });
}

void Canvas::FillRoundRect(const RECT& rect, SIZE corner, uint32_t argb) {
    FillShape(rect, argb, [&](int x, int y) { return InsideRoundRect(rect, corner, x, y); });
}

void Canvas::FrameRoundRect(const RECT& rect, SIZE corner, int thickness, uint32_t argb) {
    if (thickness <= 0) return;
    const RECT inner = Deflate(rect, Edges{thickness, thickness, thickness, thickness});
    const SIZE innerCorner{std::max(0L, corner.cx - 2 * thickness),
                           std::max(0L, corner.cy - 2 * thickness)};
    FillShape(rect, argb, [&](int x, int y) {
        return InsideRoundRect(rect, corner, x, y) &&
               (IsEmpty(inner) || !InsideRoundRect(inner, innerCorner, x, y));
    });
}

void Canvas::DrawImage(const Image& image, const RECT& source, const RECT& dest, uint8_t fade,
                       bool tileX, bool tileY) {
    const RECT imageBounds{0, 0, image.width, image.height};
    const RECT from = Intersection(source, imageBounds);
    if (IsEmpty(from) || IsEmpty(dest) || fade == 0) return;
    const RECT area = Intersection(dest, clip_);
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = from.top + SourceOffset(y - dest.top, SkinUI::Height(from),
                                               SkinUI::Height(dest), tileY);
        uint32_t* row = pixels_ + static_cast<size_t>(y) * width_;
        for (int x = area.left; x < area.right; ++x) {
            const int sx = from.left + SourceOffset(x - dest.left, SkinUI::Width(from),
                                                    SkinUI::Width(dest), tileX);
            uint32_t pixel = image.Pixel(sx, sy);
            if (fade != 255) pixel = ScaleChannels(pixel, fade);
            row[x] = BlendOver(pixel, row[x]);
        }
    }
}

}  // namespace SkinUI
