// Rendering: image decoding, the canvas's blending and shapes, and a test
// layout from the skin archive rendered off-screen with its pixels checked.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "resources/resource_ids.h"
#include "ui/framework/canvas.h"
#include "ui/framework/image.h"
#include "ui/framework/markup_builder.h"
#include "ui/framework/paint_manager.h"
#include "ui/framework/progress.h"
#include "ui/framework/surface.h"
#include "ui/skin_resource_store.h"

namespace {

uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }

// Each colour channel of `pixel` within 1 of `rgb` (rounding of blends).
::testing::AssertionResult NearRgb(uint32_t pixel, uint32_t rgb) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int actual = static_cast<int>((pixel >> shift) & 0xFF);
        const int expected = static_cast<int>((rgb >> shift) & 0xFF);
        if (std::abs(actual - expected) > 1) {
            return ::testing::AssertionFailure()
                   << std::hex << "pixel " << Rgb(pixel) << " is not near " << rgb;
        }
    }
    return ::testing::AssertionSuccess();
}

// The test skin archive as the framework's resource source.
class SkinSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_.UseSevenZip(true);
        store_.PrepareForWindow(L"", SkinUI::kSkinInResourceArchive, IDR_SKIN_ARCHIVE);
        SkinUI::SetSkinResourceSource(&store_);
    }
    void TearDown() override { SkinUI::SetSkinResourceSource(nullptr); }

    CSkinResourceStore store_;
};

using ImageDecoding = SkinSourceTest;

TEST_F(ImageDecoding, GivesPremultipliedPixelsAndAppliesTheMask) {
    const auto half = SkinUI::LoadSkinImage(L"res\\test\\half.png");
    ASSERT_TRUE(half);
    EXPECT_EQ(half->width, 8);
    EXPECT_EQ(half->Pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(half->Pixel(7, 7), 0x80800000u);

    const auto palette = SkinUI::LoadSkinImage(L"res/test/palette.png");
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(palette->Pixel(1, 0), 0u);

    const auto masked = SkinUI::LoadSkinImage(L"res\\test\\mask.png", 0xFFFF0000u);
    ASSERT_TRUE(masked);
    EXPECT_TRUE(std::all_of(masked->pixels.begin(), masked->pixels.end(),
                            [](uint32_t pixel) { return pixel == 0; }));

    EXPECT_FALSE(SkinUI::LoadSkinImage(L"res\\test\\missing.png"));
    EXPECT_FALSE(SkinUI::LoadSkinImage(L"TestWnd.xml"));
}

TEST(Canvas, BlendsPremultipliedSourceOverDestination) {
    EXPECT_EQ(SkinUI::Premultiply(0x80FF0000), 0x80800000u);
    EXPECT_EQ(SkinUI::BlendOver(0xFF112233, 0xFF445566), 0xFF112233u);
    EXPECT_EQ(SkinUI::BlendOver(0, 0xFF445566), 0xFF445566u);
    EXPECT_TRUE(NearRgb(SkinUI::BlendOver(0x80800000, 0xFFFFFFFF), 0xFF7F7F));
    EXPECT_EQ(SkinUI::BlendOver(0x80800000, 0xFFFFFFFF) >> 24, 0xFFu);
}

TEST(Canvas, RoundedShapesLeaveTheCornersAlone) {
    std::vector<uint32_t> pixels(20 * 20, 0);
    SkinUI::Canvas canvas(pixels.data(), 20, 20);
    canvas.FillRoundRect(RECT{0, 0, 20, 20}, SIZE{10, 10}, 0xFFFF0000);
    EXPECT_EQ(canvas.Pixel(0, 0), 0u);
    EXPECT_EQ(canvas.Pixel(19, 19), 0u);
    EXPECT_EQ(canvas.Pixel(10, 0), 0xFFFF0000u);
    EXPECT_EQ(canvas.Pixel(10, 10), 0xFFFF0000u);

    canvas.Clear(RECT{0, 0, 20, 20}, 0);
    canvas.FrameRoundRect(RECT{0, 0, 20, 20}, SIZE{0, 0}, 2, 0xFF00FF00);
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(canvas.Pixel(1, 10), 0xFF00FF00u);
    EXPECT_EQ(canvas.Pixel(2, 10), 0u);

    canvas.SetClip(RECT{5, 5, 10, 10});
    canvas.FillRect(RECT{0, 0, 20, 20}, 0xFF0000FF);
    EXPECT_EQ(canvas.Pixel(5, 5), 0xFF0000FFu);
    EXPECT_EQ(canvas.Pixel(10, 10), 0u);
}

class RenderedLayout : public SkinSourceTest {
protected:
    void SetUp() override {
        SkinSourceTest::SetUp();
        CMarkupBuilder builder;
        auto root = builder.Create(L"RenderWnd.xml", manager_, nullptr);
        ASSERT_TRUE(root) << builder.GetLastError().c_str();
        manager_.AttachRoot(std::move(root));
        static_cast<CProgress*>(manager_.FindControl(L"bar"))->SetValue(50);
        ASSERT_TRUE(surface_.Resize(manager_.GetInitSize()));
        manager_.Render(surface_, RECT{0, 0, 200, 120});
    }

    uint32_t At(int x, int y) const { return surface_.MakeCanvas().Pixel(x, y); }

    CPaintManager manager_;
    SkinUI::Surface surface_;
};

TEST_F(RenderedLayout, OpaqueColourFillsItsControl) {
    EXPECT_EQ(Rgb(At(190, 50 + 60)), 0x336699u);
    EXPECT_EQ(Rgb(At(0, 119)), 0x336699u);
    EXPECT_EQ(Rgb(At(170, 20)), 0x336699u);
}

TEST_F(RenderedLayout, TranslucentImageBlendsOverTheBackground) {
    // 8 pixels stretched to 40: pixel 3 (opaque blue) ends at x 19, pixel 4
    // (red, alpha 128) starts at x 20, over white.
    EXPECT_EQ(Rgb(At(19, 10)), 0x0000FFu);
    EXPECT_TRUE(NearRgb(At(20, 10), 0xFF7F7F));
    EXPECT_TRUE(NearRgb(At(39, 39), 0xFF7F7F));
}

TEST_F(RenderedLayout, NinePatchKeepsCornersAndStretchesEdgesAndCentre) {
    EXPECT_EQ(Rgb(At(40, 0)), 0xFF0000u);
    EXPECT_EQ(Rgb(At(41, 1)), 0xFF0000u);
    EXPECT_EQ(Rgb(At(42, 0)), 0x00FF00u);
    EXPECT_EQ(Rgb(At(97, 1)), 0x00FF00u);
    EXPECT_EQ(Rgb(At(98, 1)), 0xFF0000u);
    EXPECT_EQ(Rgb(At(40, 2)), 0xFFFF00u);
    EXPECT_EQ(Rgb(At(70, 20)), 0x0000FFu);
    EXPECT_EQ(Rgb(At(99, 39)), 0xFF0000u);
    // With hole='true' the centre shows the control's own background.
    EXPECT_EQ(Rgb(At(100, 0)), 0xFF0000u);
    EXPECT_EQ(Rgb(At(130, 20)), 0x000000u);
    EXPECT_EQ(Rgb(At(130, 0)), 0x00FF00u);
}

TEST_F(RenderedLayout, TextIsDrawnInItsColourInsideItsRectangle) {
    // The label covers y 40..80 with a white background and red text.
    RECT inked{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    int redPixels = 0;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 200; ++x) {
            const uint32_t rgb = Rgb(At(x, y));
            if (rgb != 0xFF0000) continue;
            if (y < 40) continue;  // the nine-patch has red corners
            ++redPixels;
            inked = RECT{std::min<LONG>(inked.left, x), std::min<LONG>(inked.top, y),
                         std::max<LONG>(inked.right, x + 1), std::max<LONG>(inked.bottom, y + 1)};
        }
    }
    EXPECT_GT(redPixels, 40);
    EXPECT_GE(inked.top, 40);
    EXPECT_LE(inked.bottom, 80);
    EXPECT_GT(inked.left, 40);
    EXPECT_LT(inked.right, 160);
    EXPECT_NEAR((inked.left + inked.right) / 2.0, 100.0, 4.0);  // centred
    EXPECT_EQ(Rgb(At(1, 41)), 0xFFFFFFu);
}

TEST_F(RenderedLayout, DescriptorKeysShapeTheImage) {
    EXPECT_EQ(Rgb(At(10, 90)), 0x00FF00u);       // mask: red is transparent
    EXPECT_TRUE(NearRgb(At(30, 90), 0x808080));  // fade 128 over black
    EXPECT_EQ(Rgb(At(55, 90)), 0xFFFFFFu);       // inside dest
    EXPECT_EQ(Rgb(At(45, 82)), 0x000000u);       // outside dest
    EXPECT_EQ(Rgb(At(80, 80)), 0x00FF00u);       // border
    EXPECT_EQ(Rgb(At(81, 99)), 0x00FF00u);
    EXPECT_EQ(Rgb(At(100, 90)), 0x0000FFu);  // inside the border
    EXPECT_EQ(Rgb(At(149, 90)), 0xFFFFFFu);  // progress at 50 of 60 px
    EXPECT_EQ(Rgb(At(150, 90)), 0x000000u);
}

}  // namespace
