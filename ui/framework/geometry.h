#pragma once

// Rectangle arithmetic shared by layout, hit testing and painting.

#include <windows.h>

namespace SkinUI {

// Distances from the four sides of a rectangle: margins, paddings, insets.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline int Width(const RECT& rect) { return rect.right - rect.left; }
inline int Height(const RECT& rect) { return rect.bottom - rect.top; }

inline bool IsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

inline bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

inline RECT Deflate(const RECT& rect, const Edges& edges) {
    return RECT{rect.left + edges.left, rect.top + edges.top, rect.right - edges.right,
                rect.bottom - edges.bottom};
}

// The common part of two rectangles; empty (all zero) when they do not meet.
inline RECT Intersection(const RECT& a, const RECT& b) {
    RECT result{};
    if (!IntersectRect(&result, &a, &b)) return RECT{};
    return result;
}

inline RECT Offset(const RECT& rect, int dx, int dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace SkinUI
