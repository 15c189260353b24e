#pragma once

// Places items one after another along a line: fixed items get their length,
// flexible ones (length 0) share what is left equally, the last of them taking
// the rounding remainder; every item keeps its margins before and after.

#include <vector>

namespace SkinUI {

struct LineItem {
    int fixedLength = 0;  // 0 = flexible
    int marginBefore = 0;
    int marginAfter = 0;
};

struct LineSpan {
    int start;
    int length;
};

std::vector<LineSpan> ArrangeLine(int start, int length, const std::vector<LineItem>& items);

}  // namespace SkinUI
