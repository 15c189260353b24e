#pragma once

// The pixels of a computed drop shadow: the owner window's shape, grown by
// the shadow size, blurred over the sharpness and tinted, with the part the
// owner covers cut out so that only the rim shows. Pure arithmetic on row
// spans, apart from the window and the layered-window update around it.

#include <windows.h>

#include <cstdint>
#include <vector>

struct ShadowShape {
    int size = 0;        // how far the shadow reaches beyond the owner
    int sharpness = 5;   // width of the blurred edge
    int darkness = 150;  // alpha of the darkest part
    int xOffset = 5;
    int yOffset = 5;
    COLORREF color = 0;  // red in the low byte
};

// One row of a shape: the pixels [start, end). Empty when start >= end.
struct RowSpan {
    int start;
    int end;
};

// The rows of a region given as its rectangles, for a width x height owner:
// from the leftmost to the rightmost covered pixel of each row.
std::vector<RowSpan> RowSpansOfRects(const std::vector<RECT>& rects, int width, int height);

// Premultiplied 0xAARRGGBB pixels, top row first, (width + 2 size) x
// (height + 2 size) of them; none when that size is not positive.
std::vector<uint32_t> ComputeShadowPixels(const std::vector<RowSpan>& ownerRows, int width,
                                          int height, const ShadowShape& shape);
