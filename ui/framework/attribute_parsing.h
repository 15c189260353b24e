#pragma once

// Readers for the value syntax of the layout markup: colours, integer lists,
// rectangles, sizes, edges and booleans. Each returns nothing for text it
// cannot read, so that a bad attribute leaves the control's default alone.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/framework/geometry.h"

namespace SkinUI {

// "#AARRGGBB" or "0xAARRGGBB" (one to eight hexadecimal digits).
std::optional<uint32_t> ParseColor(std::wstring_view text);

// A decimal integer, optionally signed, with nothing after it.
std::optional<int> ParseInt(std::wstring_view text);

// Decimal integers separated by commas, for example "0,0,0,35".
std::optional<std::vector<int>> ParseIntList(std::wstring_view text);

// "left,top,right,bottom".
std::optional<RECT> ParseRect(std::wstring_view text);
std::optional<Edges> ParseEdges(std::wstring_view text);

// "cx,cy".
std::optional<SIZE> ParseSize(std::wstring_view text);

// Only the exact text "true" is true.
bool ParseBool(std::wstring_view text);

}  // namespace SkinUI
