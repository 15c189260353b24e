#include "ui/framework/image_painter.h"

namespace SkinUI {

namespace {

// The three spans [start, start + first), [.., end - last), [end - last, end).
struct Spans {
    int edges[4];
};

Spans Split(int start, int end, int first, int last) {
    return Spans{{start, start + first, end - last, end}};
}

// The rectangle a descriptor's image covers inside a control at `bounds`:
// its "dest" moved to the control's top-left, or the whole control.
RECT DescribedImageRect(const ImageDescriptor& descriptor, const RECT& bounds) {
    if (!descriptor.dest) return bounds;
    return Offset(*descriptor.dest, bounds.left, bounds.top);
}

}  // namespace

void DrawNinePatch(Canvas& canvas, const Image& image, const RECT& dest,
                   const NinePatchStyle& style) {
    const Edges& c = style.corner;
    const RECT whole{0, 0, image.width, image.height};
    if (c.left == 0 && c.top == 0 && c.right == 0 && c.bottom == 0) {
        canvas.DrawImage(image, whole, dest, style.fade, style.xtiled, style.ytiled);
        return;
    }
    const Spans sourceX = Split(0, image.width, c.left, c.right);
    const Spans sourceY = Split(0, image.height, c.top, c.bottom);
    const Spans destX = Split(dest.left, dest.right, c.left, c.right);
    const Spans destY = Split(dest.top, dest.bottom, c.top, c.bottom);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool centreRow = row == 1;
            const bool centreColumn = column == 1;
            if (centreRow && centreColumn && style.hole) continue;
            const RECT source{sourceX.edges[column], sourceY.edges[row], sourceX.edges[column + 1],
                              sourceY.edges[row + 1]};
            const RECT target{destX.edges[column], destY.edges[row], destX.edges[column + 1],
                              destY.edges[row + 1]};
            canvas.DrawImage(image, source, target, style.fade, centreColumn && style.xtiled,
                             centreRow && style.ytiled);
        }
    }
}

void DrawDescribedImage(Canvas& canvas, const Image& image, const ImageDescriptor& descriptor,
                        const RECT& bounds) {
    const NinePatchStyle style{descriptor.corner, descriptor.fade, descriptor.hole,
                               descriptor.xtiled, descriptor.ytiled};
    DrawNinePatch(canvas, image, DescribedImageRect(descriptor, bounds), style);
}

}  // namespace SkinUI
