#pragma once

// What a control paints with: the device context for text and the canvas for
// everything else, both limited to the same clip rectangle.

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/framework/canvas.h"

namespace SkinUI {

struct RenderContext {
    HDC dc;
    Canvas& canvas;
};

// Narrows the clip of both the canvas and the device context to its
// intersection with `rect` for the life of the scope.
class ClipScope {
public:
    ClipScope(RenderContext& context, const RECT& rect);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

    // Nothing of `rect` is visible: painting can stop.
    bool Empty() const;

private:
    RenderContext& context_;
    RECT previousClip_;
    int savedDC_;
};

// Draws `text` with the DrawText `style` flags in the colour `argb`. Several
// lines are centred or bottom-aligned too when the style asks for it (GDI
// aligns only single lines vertically).
void DrawTextInRect(const RenderContext& context, HFONT font, const std::wstring& text,
                    const RECT& rect, uint32_t argb, UINT style);

// Width and height of `text` drawn with `style`; several lines break at
// `maxWidth`.
SIZE MeasureTextSize(HDC dc, HFONT font, const std::wstring& text, UINT style, int maxWidth);

}  // namespace SkinUI
