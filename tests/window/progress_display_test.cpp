#include "installer/src/progress_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct DownloadCase {
    double fraction;
    double scale;
    int percent;
};

class DownloadPercentTest : public testing::TestWithParam<DownloadCase> {};

TEST_P(DownloadPercentTest, FillsTheDownloadShare) {
    EXPECT_EQ(DownloadPercent(GetParam().fraction, GetParam().scale), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DownloadPercentTest,
    testing::Values(DownloadCase{0.0, 0.7, 0}, DownloadCase{0.5, 0.7, 35},
                    DownloadCase{1.0, 0.7, 70}, DownloadCase{0.999, 0.7, 69},
                    // A scale that is not a number falls back to 0.7.
                    DownloadCase{0.5, kNaN, 35},
                    // Scales outside 0..1 are held at the ends.
                    DownloadCase{0.5, 2.0, 50}, DownloadCase{0.5, -1.0, 0},
                    DownloadCase{1.0, 0.0, 0},
                    // Fractions a downloader should not report stay on the bar.
                    DownloadCase{1.5, 0.7, 70}, DownloadCase{-0.5, 0.7, 0},
                    DownloadCase{kNaN, 0.7, 0}));

TEST(InstallProgressTest, FirstReportOfZeroShowsSeventyFour) {
    const double displayed = NextInstallFraction(0.0, 0.0);
    EXPECT_DOUBLE_EQ(displayed, 0.15);
    EXPECT_EQ(InstallPercent(displayed, 0.7), 74);
}

TEST(InstallProgressTest, ReportsBelowTheCeilingNeverPassNinetyEight) {
    double displayed = 0.0;
    for (int i = 0; i < 30; ++i) displayed = NextInstallFraction(displayed, 0.9);
    EXPECT_DOUBLE_EQ(displayed, 0.95);
    EXPECT_EQ(InstallPercent(displayed, 0.7), 98);
}

TEST(InstallProgressTest, AReportedValueAboveTheStepTakesOver) {
    EXPECT_DOUBLE_EQ(NextInstallFraction(0.15, 0.6), 0.6);
    EXPECT_EQ(InstallPercent(NextInstallFraction(0.5, 1.0), 0.7), 100);
}

TEST(InstallProgressTest, NeverShrinksNorLeavesTheBar) {
    EXPECT_DOUBLE_EQ(NextInstallFraction(0.99, 0.2), 0.99);
    EXPECT_DOUBLE_EQ(NextInstallFraction(0.3, 50.0), 1.0);
    EXPECT_DOUBLE_EQ(NextInstallFraction(0.3, kNaN), 0.45);
    EXPECT_DOUBLE_EQ(NextInstallFraction(0.3, -4.0), 0.45);
    EXPECT_EQ(InstallPercent(0.15, kNaN), 74);
    EXPECT_EQ(InstallPercent(1.0, 0.0), 100);
}

TEST(ProgressTextTest, AsksForPatienceOnlyAfterMoreThanAMinute) {
    EXPECT_EQ(ProgressText(L"", 35, 0.0f), L"正在安装中:35%，请稍候...");
    EXPECT_EQ(ProgressText(L"", 35, 60.0f), L"正在安装中:35%，请稍候...");
    EXPECT_EQ(ProgressText(L"", 35, 60.001f), L"正在安装中:35%，请耐心等待...");
}

TEST(ProgressTextTest, TheSkinsOwnWordingWins) {
    EXPECT_EQ(ProgressText(L"下载中 %d%%", 7, 99.0f), L"下载中 7%");
}

TEST(FormatPercentTest, FillsOnlyIntegerConversions) {
    EXPECT_EQ(FormatPercent(L"%d%%", 5), L"5%");
    EXPECT_EQ(FormatPercent(L"%s and %n stay %d", 5), L"%s and %n stay 5");
    EXPECT_EQ(FormatPercent(L"ends with %", 5), L"ends with %");
    EXPECT_EQ(FormatPercent(std::wstring(300, L'x') + L"%d", 5).size(), 249u);
}

}  // namespace
