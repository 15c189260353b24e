#pragma once

// Software drawing on 32-bit premultiplied pixels (0xAARRGGBB, top row
// first): solid and rounded fills, rounded frames and scaled or tiled image
// parts, all composited with "source over" and limited to a clip rectangle.
// The window's back buffer and the shadow's layered bitmap are drawn this way.

#include <windows.h>

#include <cstdint>

#include "ui/framework/image.h"

namespace SkinUI {

class Canvas {
public:
    // `pixels` holds `width` * `height` values and outlives the canvas.
    Canvas(uint32_t* pixels, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    const RECT& Clip() const { return clip_; }
    // Limits drawing to `clip` (within the canvas).
    void SetClip(const RECT& clip);

    // Sets every pixel of `rect` to `pixel` (premultiplied), without blending.
    void Clear(const RECT& rect, uint32_t pixel);

    // `argb` is a straight (not premultiplied) colour; its alpha blends.
    void FillRect(const RECT& rect, uint32_t argb);

    // Rounded corners as GDI's RoundRect draws them: corner ellipses
    // `corner.cx` wide and `corner.cy` high; a zero size gives square corners.
    void FillRoundRect(const RECT& rect, SIZE corner, uint32_t argb);
    void FrameRoundRect(const RECT& rect, SIZE corner, int thickness, uint32_t argb);

    // Draws the `source` part of `image` into `dest`, stretched (nearest
    // pixel) or, per axis, repeated from its top-left; `fade` scales its
    // opacity.
    void DrawImage(const Image& image, const RECT& source, const RECT& dest, uint8_t fade,
                   bool tileX, bool tileY);

private:
    template <typename Shape>
    void FillShape(const RECT& bounds, uint32_t argb, Shape inside);

    uint32_t* pixels_;
    int width_;
    int height_;
    RECT clip_;
};

// Straight ARGB to premultiplied.
uint32_t Premultiply(uint32_t argb);

// Premultiplied "source over destination".
uint32_t BlendOver(uint32_t source, uint32_t destination);

}  // namespace SkinUI
