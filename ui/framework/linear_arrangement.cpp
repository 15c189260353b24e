#include "ui/framework/linear_arrangement.h"

#include <algorithm>

namespace SkinUI {

std::vector<LineSpan> ArrangeLine(int start, int length, const std::vector<LineItem>& items) {
    int taken = 0;
    int flexCount = 0;
    for (const LineItem& item : items) {
        taken += item.fixedLength + item.marginBefore + item.marginAfter;
        if (item.fixedLength == 0) ++flexCount;
    }
    const int left = std::max(0, length - taken);
    const int share = flexCount > 0 ? left / flexCount : 0;
    int flexSeen = 0;

    std::vector<LineSpan> spans;
    spans.reserve(items.size());
    int position = start;
    for (const LineItem& item : items) {
        int itemLength = item.fixedLength;
        if (itemLength == 0) {
            ++flexSeen;
            itemLength = flexSeen == flexCount ? left - share * (flexCount - 1) : share;
        }
        position += item.marginBefore;
        spans.push_back(LineSpan{position, itemLength});
        position += itemLength + item.marginAfter;
    }
    return spans;
}

}  // namespace SkinUI
