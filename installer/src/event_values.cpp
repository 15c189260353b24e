#include "installer/src/event_values.h"

#include <climits>
#include <cmath>

#include "installer/src/funnel_reasons.h"

long TruncateToLong(double value) {
    if (std::isnan(value)) return 0;
    if (value <= static_cast<double>(LONG_MIN)) return LONG_MIN;
    if (value >= static_cast<double>(LONG_MAX)) return LONG_MAX;
    return static_cast<long>(value);
}

unsigned ToUnsignedMilliseconds(double value) {
    if (std::isnan(value) || value <= 0.0) return 0;
    if (value >= static_cast<double>(UINT_MAX)) return UINT_MAX;
    return static_cast<unsigned>(value);
}

std::wstring CodeAndMessageReason(double value, const std::wstring& text) {
    return Funnel::CutText(L":1.code=" + std::to_wstring(TruncateToLong(value)) + L"；2.msg=" +
                           text);
}
