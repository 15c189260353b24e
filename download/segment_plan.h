#pragma once

// How the segmented downloader cuts a file into byte ranges and fills them.

#include <cstddef>
#include <cstdint>
#include <vector>

// Inclusive byte offsets of one segment within the whole file.
struct SegmentRange {
    int32_t first;
    int32_t last;
};

// One segment per full 10 MiB, at least one and at most two; the last
// segment also takes the remainder of the division.
std::vector<SegmentRange> SplitIntoSegments(int32_t contentLength);

// How many of `offered` bytes a segment whose next byte is `nextPos` takes:
// never a byte past `lastPos`.
size_t SegmentWriteLength(int32_t nextPos, int32_t lastPos, size_t offered);

// The probed length as the downloader holds it: a signed 32-bit size, or -1
// when it is unknown or 2 GiB and above (such files are refused).
int32_t ContentLengthFromProbe(int64_t probedLength);
