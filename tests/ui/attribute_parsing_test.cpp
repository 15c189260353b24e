// The markup's value syntax and the line arrangement behind the layouts, as
// tables of plain computations.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/framework/attribute_parsing.h"
#include "ui/framework/image_descriptor.h"
#include "ui/framework/linear_arrangement.h"

namespace {

using namespace SkinUI;

// Table rows are named, in test names and in failure messages.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

struct ColorCase {
    const char* name;
    const wchar_t* text;
    std::optional<uint32_t> value;
};

void PrintTo(const ColorCase& row, std::ostream* out) { *out << row.name; }

class ColorParsing : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorParsing, ReadsHashOrHexPrefixedDigits) {
    EXPECT_EQ(ParseColor(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, ColorParsing,
                         ::testing::Values(ColorCase{"Hash", L"#FF336699", 0xFF336699u},
                                           ColorCase{"HexPrefix", L"0xFF336699", 0xFF336699u},
                                           ColorCase{"LowerCase", L"#26003b76", 0x26003B76u},
                                           ColorCase{"SixDigits", L"#FF0000", 0xFF0000u},
                                           ColorCase{"Transparent", L"#00000000", 0u},
                                           ColorCase{"NoPrefix", L"FF336699", std::nullopt},
                                           ColorCase{"NoDigits", L"#", std::nullopt},
                                           ColorCase{"NotHex", L"#FF33669G", std::nullopt},
                                           ColorCase{"NineDigits", L"#1FF336699", std::nullopt},
                                           ColorCase{"Empty", L"", std::nullopt}),
                         CaseName<ColorCase>);

TEST(AttributeParsing, ReadsIntegerListsOfTheRightLength) {
    EXPECT_EQ(ParseInt(L" -12 "), -12);
    EXPECT_EQ(ParseInt(L"12px"), std::nullopt);
    EXPECT_EQ(ParseInt(L"9999999999"), std::nullopt);

    const auto rect = ParseRect(L"0,0,0,35");
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->bottom, 35);
    EXPECT_FALSE(ParseRect(L"1,2,3"));
    EXPECT_FALSE(ParseRect(L"1,2,,4"));

    const auto edges = ParseEdges(L"26,0,0,3");
    ASSERT_TRUE(edges);
    EXPECT_EQ(edges->left, 26);
    EXPECT_EQ(edges->bottom, 3);

    const auto size = ParseSize(L"600,400");
    ASSERT_TRUE(size);
    EXPECT_EQ(size->cx, 600);
    EXPECT_EQ(size->cy, 400);
    EXPECT_FALSE(ParseSize(L"600"));

    EXPECT_TRUE(ParseBool(L"true"));
    EXPECT_FALSE(ParseBool(L"True"));
    EXPECT_FALSE(ParseBool(L"1"));
}

TEST(ImageDescriptorParsing, BarePathIsTheWholeFile) {
    const auto image = ParseImageDescriptor(L"res\\mainWnd\\bg1.png");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->file, L"res\\mainWnd\\bg1.png");
    EXPECT_FALSE(image->dest);
    EXPECT_EQ(image->fade, 255);
}

TEST(ImageDescriptorParsing, ReadsEveryKey) {
    const auto image = ParseImageDescriptor(
        L"file='res\\mainWnd\\installPrg1.png' dest='0,3,15,17' corner='2,2,2,2' mask='#FF0000' "
        L"fade='128' hole='true' xtiled='true' ytiled='false'");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->file, L"res\\mainWnd\\installPrg1.png");
    ASSERT_TRUE(image->dest);
    EXPECT_EQ(image->dest->top, 3);
    EXPECT_EQ(image->dest->right, 15);
    EXPECT_EQ(image->corner.left, 2);
    EXPECT_EQ(image->mask, 0xFF0000u);
    EXPECT_EQ(image->fade, 128);
    EXPECT_TRUE(image->hole);
    EXPECT_TRUE(image->xtiled);
    EXPECT_FALSE(image->ytiled);
}

TEST(ImageDescriptorParsing, RefusesMalformedDescriptors) {
    for (const wchar_t* text : {L"", L"   ", L"dest='0,0,1,1'", L"file='a.png' fade='300'",
                                L"file='a.png", L"file='a.png' dest='1,2'"}) {
        EXPECT_FALSE(ParseImageDescriptor(text)) << text;
    }
}

struct LineCase {
    const char* name;
    int length;
    std::vector<LineItem> items;
    std::vector<int> starts;
    std::vector<int> lengths;
};

void PrintTo(const LineCase& row, std::ostream* out) { *out << row.name; }

class LineArrangement : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineArrangement, FixedItemsKeepTheirLengthFlexibleOnesShareTheRest) {
    const LineCase& line = GetParam();
    const auto spans = ArrangeLine(10, line.length, line.items);
    ASSERT_EQ(spans.size(), line.items.size());
    for (size_t i = 0; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i].start, line.starts[i]) << "item " << i;
        EXPECT_EQ(spans[i].length, line.lengths[i]) << "item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineArrangement,
    ::testing::Values(
        // Title bar of the main window: 10, 200, flex, 10, 72, 20 in 600.
        LineCase{"TitleBar",
                 600,
                 {{10, 0, 0}, {200, 0, 0}, {0, 0, 0}, {10, 0, 0}, {72, 0, 0}, {20, 0, 0}},
                 {10, 20, 220, 508, 518, 590},
                 {10, 200, 288, 10, 72, 20}},
        // Three flexible items: the last takes the remainder.
        LineCase{"Remainder", 100, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {10, 43, 76}, {33, 33, 34}},
        // Margins take room before and after.
        LineCase{"Margins", 100, {{20, 5, 5}, {0, 10, 0}}, {15, 50}, {20, 60}},
        // Fixed items overflowing leave nothing for the flexible one.
        LineCase{"Overflow", 50, {{40, 0, 0}, {0, 0, 0}, {30, 0, 0}}, {10, 50, 50}, {40, 0, 30}},
        LineCase{"Nothing", 0, {}, {}, {}}),
    CaseName<LineCase>);

}  // namespace
