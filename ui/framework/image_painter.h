#pragma once

// Draws an image into a rectangle the way the markup describes it: as a
// nine-patch when it has corners (corners keep their size, edges and centre
// stretch or tile), with an opacity, optionally without its centre.

#include <windows.h>

#include "ui/framework/canvas.h"
#include "ui/framework/geometry.h"
#include "ui/framework/image.h"
#include "ui/framework/image_descriptor.h"

namespace SkinUI {

struct NinePatchStyle {
    Edges corner;
    uint8_t fade = 255;
    bool hole = false;
    bool xtiled = false;
    bool ytiled = false;
};

void DrawNinePatch(Canvas& canvas, const Image& image, const RECT& dest,
                   const NinePatchStyle& style);

void DrawDescribedImage(Canvas& canvas, const Image& image, const ImageDescriptor& descriptor,
                        const RECT& bounds);

}  // namespace SkinUI
