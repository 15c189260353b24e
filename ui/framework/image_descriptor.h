#pragma once

// An image value of the markup: either a bare path or space-separated
// key='value' pairs, the first being file='path':
//   file='res\a.png' dest='0,3,15,17' corner='2,2,2,2' mask='#FF0000'
//   fade='255' hole='false' xtiled='false' ytiled='false'

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/framework/geometry.h"

namespace SkinUI {

struct ImageDescriptor {
    std::wstring file;
    std::optional<RECT> dest;      // target inside the control, relative to its top-left
    Edges corner;                  // nine-patch borders of the image
    std::optional<uint32_t> mask;  // pixels of this RGB colour become transparent
    uint8_t fade = 255;            // opacity
    bool hole = false;             // leave the nine-patch centre empty
    bool xtiled = false;           // repeat horizontally instead of stretching
    bool ytiled = false;           // repeat vertically instead of stretching
};

// Nothing for an empty value, a descriptor without "file" or a malformed pair.
std::optional<ImageDescriptor> ParseImageDescriptor(std::wstring_view text);

}  // namespace SkinUI
