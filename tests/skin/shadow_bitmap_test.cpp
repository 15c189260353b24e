// The computed drop shadow: its size, the transparent part under the owner,
// the blurred rim and its tint; the shadow's setters and the reading of the
// layout's shadow attributes.

#include <gtest/gtest.h>

#include <vector>

#include "ui/shadow_attributes.h"
#include "ui/shadow_bitmap.h"
#include "ui/window_shadow.h"

namespace {

// The shipped layouts: size 6, sharpness 10, darkness 20, position (1, 1),
// colour value 0x26003B76.
ShadowShape ShippedShape() { return ShadowShape{6, 10, 20, 1, 1, 0x26003B76}; }

uint32_t Alpha(uint32_t pixel) { return pixel >> 24; }

class Shadow {
public:
    Shadow(int width, int height, const ShadowShape& shape)
        : width_(width + 2 * shape.size),
          pixels_(ComputeShadowPixels(RowSpansOfRects({RECT{0, 0, width, height}}, width, height),
                                      width, height, shape)) {}

    size_t Count() const { return pixels_.size(); }
    uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

private:
    int width_;
    std::vector<uint32_t> pixels_;
};

TEST(ShadowBitmap, IsTwiceTheSizeLargerThanTheOwner) {
    EXPECT_EQ(Shadow(100, 60, ShippedShape()).Count(), 112u * 72u);
    ShadowShape inward = ShippedShape();
    inward.size = -3;
    EXPECT_EQ(Shadow(100, 60, inward).Count(), 94u * 54u);
    inward.size = -20;
    EXPECT_EQ(Shadow(30, 30, inward).Count(), 0u);
}

TEST(ShadowBitmap, OwnerAreaIsTransparentAndOnlyTheRimShows) {
    // The owner sits at (size - x offset, size - y offset) = (5, 5) in the
    // shadow bitmap.
    const Shadow shadow(100, 60, ShippedShape());
    for (int y = 5; y < 65; y += 7) {
        for (int x = 5; x < 105; x += 9) EXPECT_EQ(shadow.At(x, y), 0u) << x << "," << y;
    }
    // Just outside the owner on every side the rim is visible but never
    // darker than the darkness.
    for (const POINT rim : {POINT{4, 30}, POINT{105, 30}, POINT{50, 4}, POINT{50, 65}}) {
        EXPECT_GT(Alpha(shadow.At(rim.x, rim.y)), 0u) << rim.x << "," << rim.y;
        EXPECT_LE(Alpha(shadow.At(rim.x, rim.y)), 20u) << rim.x << "," << rim.y;
    }
    // It fades outwards; the offset (1, 1) gives the right and lower rim more.
    EXPECT_GT(Alpha(shadow.At(4, 30)), Alpha(shadow.At(1, 30)));
    EXPECT_GE(Alpha(shadow.At(107, 30)), Alpha(shadow.At(2, 30)));
    EXPECT_EQ(shadow.At(0, 0), 0u);
}

TEST(ShadowBitmap, PixelsArePremultipliedWithTheColourRedInTheLowByte) {
    const Shadow shadow(100, 60, ShippedShape());
    const uint32_t pixel = shadow.At(105, 30);
    const uint32_t alpha = Alpha(pixel);
    ASSERT_GT(alpha, 0u);
    EXPECT_EQ((pixel >> 16) & 0xFF, 0x76 * alpha / 255) << "red";
    EXPECT_EQ((pixel >> 8) & 0xFF, 0x3B * alpha / 255) << "green";
    EXPECT_EQ(pixel & 0xFF, 0x00u) << "blue";
}

TEST(ShadowBitmap, SharpShadowWithoutBlurIsSolidDarkness) {
    const Shadow shadow(40, 30, ShadowShape{4, 0, 200, 0, 0, RGB(0, 0, 0)});
    EXPECT_EQ(Alpha(shadow.At(1, 15)), 200u);
    EXPECT_EQ(Alpha(shadow.At(46, 15)), 200u);
    EXPECT_EQ(shadow.At(20, 15), 0u) << "under the owner";
}

TEST(ShadowBitmap, OwnerWithoutShapeCastsNoShadow) {
    const std::vector<uint32_t> pixels = ComputeShadowPixels({}, 100, 60, ShippedShape());
    ASSERT_EQ(pixels.size(), 112u * 72u);
    for (uint32_t pixel : pixels) ASSERT_EQ(pixel, 0u);
}

TEST(ShadowBitmap, RowSpansRunFromTheLeftmostToTheRightmostPixelOfEachRow) {
    const std::vector<RowSpan> rows =
        RowSpansOfRects({RECT{2, 0, 8, 2}, RECT{0, 1, 4, 3}, RECT{-5, 3, 50, 4}}, 10, 5);
    ASSERT_EQ(rows.size(), 5u);
    const std::vector<std::pair<int, int>> expected{{2, 8}, {0, 8}, {0, 4}, {0, 10}, {10, 0}};
    for (size_t y = 0; y < rows.size(); ++y) {
        EXPECT_EQ(rows[y].start, expected[y].first) << y;
        EXPECT_EQ(rows[y].end, expected[y].second) << y;
    }
}

TEST(WindowShadow, SettersRefuseValuesOutOfRangeAndKeepThePreviousOne) {
    CWndShadow shadow;
    EXPECT_TRUE(shadow.SetSize(6));
    EXPECT_FALSE(shadow.SetSize(21));
    EXPECT_FALSE(shadow.SetSize(-21));
    EXPECT_TRUE(shadow.SetSharpness(10));
    EXPECT_FALSE(shadow.SetSharpness(21));
    EXPECT_FALSE(shadow.SetSharpness(-1));
    EXPECT_TRUE(shadow.SetDarkness(20));
    EXPECT_FALSE(shadow.SetDarkness(256));
    EXPECT_TRUE(shadow.SetPosition(1, 1));
    EXPECT_FALSE(shadow.SetPosition(21, 0));
    EXPECT_FALSE(shadow.SetPosition(0, -21));
    EXPECT_TRUE(shadow.SetColor(0x26003B76));
    EXPECT_FALSE(shadow.SetImage(L"res\\no such shadow.png", {}, {}));

    const ShadowShape& shape = shadow.GetShape();
    EXPECT_EQ(shape.size, 6);
    EXPECT_EQ(shape.sharpness, 10);
    EXPECT_EQ(shape.darkness, 20);
    EXPECT_EQ(shape.xOffset, 1);
    EXPECT_EQ(shape.yOffset, 1);
    EXPECT_EQ(shape.color, 0x003B76u) << "the high byte is ignored";
    EXPECT_EQ(shadow.GetShadowWindow(), nullptr);
}

TEST(WindowShadow, DefaultsBeforeAnyAttribute) {
    const CWndShadow shadow;
    const ShadowShape& shape = shadow.GetShape();
    EXPECT_EQ(shape.size, 0);
    EXPECT_EQ(shape.sharpness, 5);
    EXPECT_EQ(shape.darkness, 150);
    EXPECT_EQ(shape.xOffset, 5);
    EXPECT_EQ(shape.yOffset, 5);
    EXPECT_EQ(shape.color, 0u);
}

TEST(ShadowAttributes, SeparatedNumbersTakeOneCharacterBetweenThem) {
    EXPECT_EQ(ReadSeparatedNumbers(L"1,1", 2), (std::vector<int>{1, 1}));
    EXPECT_EQ(ReadSeparatedNumbers(L"3 -4", 2), (std::vector<int>{3, -4}));
    EXPECT_EQ(ReadSeparatedNumbers(L"1,2,3,4", 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ReadSeparatedNumbers(L"7", 4), (std::vector<int>{7, 0, 0, 0}));
    EXPECT_EQ(ReadSeparatedNumbers(L"", 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(ReadSeparatedNumbers(L"x,5", 2), (std::vector<int>{0, 0}));
}

TEST(ShadowAttributes, WithoutShowShadowTheShadowStaysUnconfigured) {
    CWndShadow shadow;
    const auto lookup = [](const std::wstring& name) -> std::optional<std::wstring> {
        if (name == L"showshadow") return L"false";
        if (name == L"shadowsize") return L"6";
        return std::nullopt;
    };
    ConfigureShadow(shadow, nullptr, lookup);
    EXPECT_EQ(shadow.GetShape().size, 0);
}

}  // namespace
