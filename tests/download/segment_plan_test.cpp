#include <gtest/gtest.h>

#include <vector>

#include "download/segment_plan.h"

// Found by argument-dependent lookup, so beside SegmentRange.
bool operator==(const SegmentRange& a, const SegmentRange& b) {
    return a.first == b.first && a.last == b.last;
}

void PrintTo(const SegmentRange& range, std::ostream* out) {
    *out << range.first << "-" << range.last;
}

namespace {

TEST(SegmentPlan, SplitsIntoOneSegmentPerFullTenMebibytesAtMostTwo) {
    const struct {
        int32_t contentLength;
        std::vector<SegmentRange> segments;
    } cases[] = {
        {256, {{0, 255}}},
        {10485759, {{0, 10485758}}},
        {20971519, {{0, 20971518}}},
        {20971520, {{0, 10485759}, {10485760, 20971519}}},
        {31457281, {{0, 15728639}, {15728640, 31457280}}},
        {104857600, {{0, 52428799}, {52428800, 104857599}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitIntoSegments(c.contentLength), c.segments) << c.contentLength;
    }
}

TEST(SegmentPlan, WriterNeverTakesABytePastTheSegment) {
    const struct {
        int32_t nextPos;
        int32_t lastPos;
        size_t offered;
        size_t taken;
    } cases[] = {
        {0, 99, 50, 50}, {0, 99, 100, 100}, {0, 99, 101, 100}, {0, 99, 99, 99}, {99, 99, 1, 1},
        {99, 99, 5, 1},  {100, 99, 10, 0},  {150, 99, 1, 0},   {10, 99, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SegmentWriteLength(c.nextPos, c.lastPos, c.offered), c.taken)
            << c.nextPos << "-" << c.lastPos << " offered " << c.offered;
    }
}

TEST(SegmentPlan, ProbedLengthsOfTwoGibibytesAndAboveAreRefused) {
    EXPECT_EQ(ContentLengthFromProbe(-1), -1);
    EXPECT_EQ(ContentLengthFromProbe(0), 0);
    EXPECT_EQ(ContentLengthFromProbe(255), 255);
    EXPECT_EQ(ContentLengthFromProbe(2147483647LL), 2147483647);
    EXPECT_EQ(ContentLengthFromProbe(2147483648LL), -1);
    EXPECT_EQ(ContentLengthFromProbe(4294967552LL), -1);
}

}  // namespace
