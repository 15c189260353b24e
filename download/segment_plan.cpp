#include "download/segment_plan.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t kBytesPerSegment = 10485760;
constexpr int32_t kMaximumSegments = 2;

}  // namespace

std::vector<SegmentRange> SplitIntoSegments(int32_t contentLength) {
    const int32_t count = std::clamp(contentLength / kBytesPerSegment, 1, kMaximumSegments);
    const int32_t share = contentLength / count;
    std::vector<SegmentRange> segments;
    int32_t offset = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t length = i == count - 1 ? share + contentLength % count : share;
        segments.push_back({offset, offset + length - 1});
        offset += length;
    }
    return segments;
}

size_t SegmentWriteLength(int32_t nextPos, int32_t lastPos, size_t offered) {
    if (nextPos > lastPos) return 0;
    const size_t room = static_cast<size_t>(lastPos) - static_cast<size_t>(nextPos) + 1;
    return std::min(offered, room);
}

int32_t ContentLengthFromProbe(int64_t probedLength) {
    if (probedLength < 0 || probedLength > std::numeric_limits<int32_t>::max()) return -1;
    return static_cast<int32_t>(probedLength);
}
