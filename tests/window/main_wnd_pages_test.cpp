#include "installer/src/main_wnd_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PageLookTest, EachPageHasItsBackgroundAndTitle) {
    struct Case {
        int page;
        const wchar_t* background;
        std::optional<int> titlePage;
        bool stopsCarousel;
        bool titleButtons;
        bool backButton;
    };
    const Case cases[] = {
        {0, L"res\\mainWnd\\bg1.png", 1, true, true, false},
        {1, L"res\\mainWnd\\bg2.png", 1, true, true, true},
        {2, L"res\\mainWnd\\bg3.png", std::nullopt, false, false, false},
        {3, L"res\\mainWnd\\bg4.png", 2, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const auto look = LookOfPage(c.page);
        ASSERT_TRUE(look.has_value());
        EXPECT_EQ(std::wstring(look->background), c.background);
        EXPECT_EQ(look->titlePage, c.titlePage);
        EXPECT_EQ(look->stopsCarousel, c.stopsCarousel);
        EXPECT_EQ(look->showsTitleButtons, c.titleButtons);
        EXPECT_EQ(look->showsInstallLogo, !c.titleButtons);
        EXPECT_EQ(look->showsBackButton, c.backButton);
    }
    EXPECT_TRUE(LookOfPage(2)->playsProgressAnimation);
    EXPECT_TRUE(LookOfPage(3)->playsFinishedAnimation);
    EXPECT_FALSE(LookOfPage(-1).has_value());
    EXPECT_FALSE(LookOfPage(4).has_value());
}

TEST(CarouselTest, FirstStepsFromTheStartShowAb1ForwardAndAb3Back) {
    EXPECT_EQ(std::wstring(CarouselImage(kCarouselStart + 1)), L"res\\mainWnd\\ab1.png");
    EXPECT_EQ(std::wstring(CarouselImage(kCarouselStart - 1)), L"res\\mainWnd\\ab3.png");
    EXPECT_EQ(std::wstring(CarouselImage(kCarouselStart)), L"res\\mainWnd\\bg3.png");
    EXPECT_EQ(std::wstring(CarouselImage(1)), L"res\\mainWnd\\ab2.png");
}

TEST(CarouselTest, NegativePositionsChangeNothing) {
    EXPECT_EQ(CarouselImage(-1), nullptr);
    EXPECT_EQ(CarouselImage(-3), nullptr);
    EXPECT_NE(CarouselImage(-4), nullptr);  // remainder 0
}

TEST(CarouselTest, ThisProductHasNoFastCarousel) {
    EXPECT_FALSE(HasFastCarousel(kProductNumber));
    EXPECT_TRUE(HasFastCarousel(385));
}

}  // namespace
