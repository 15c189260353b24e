#include "installer/src/event_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "installer/src/package_report.h"
#include "installer/src/runner_events.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(EventValuesTest, TruncatesTowardZeroWithinRange) {
    EXPECT_EQ(TruncateToLong(1000.9), 1000);
    EXPECT_EQ(TruncateToLong(-2.7), -2);
    EXPECT_EQ(TruncateToLong(1e300), LONG_MAX);
    EXPECT_EQ(TruncateToLong(-1e300), LONG_MIN);
    EXPECT_EQ(TruncateToLong(kNaN), 0);
}

TEST(EventValuesTest, DelaysAreUnsignedMilliseconds) {
    EXPECT_EQ(ToUnsignedMilliseconds(2500.0), 2500u);
    EXPECT_EQ(ToUnsignedMilliseconds(4294967295.0), 4294967295u);
    EXPECT_EQ(ToUnsignedMilliseconds(1e20), 4294967295u);
    EXPECT_EQ(ToUnsignedMilliseconds(-5.0), 0u);
    EXPECT_EQ(ToUnsignedMilliseconds(kNaN), 0u);
}

TEST(EventValuesTest, CodeAndMessageReasonIsCutAt199Characters) {
    EXPECT_EQ(CodeAndMessageReason(1000.0, L"磁盘已满"), L":1.code=1000；2.msg=磁盘已满");
    EXPECT_EQ(CodeAndMessageReason(kNaN, L""), L":1.code=0；2.msg=");
    EXPECT_EQ(CodeAndMessageReason(2.0, std::wstring(800, L'e')).size(), 199u);
}

TEST(PackageReportTest, TakesInTheProductsInformation) {
    PackageReport report;
    EXPECT_EQ(report.startupStyle, kNonStartup);
    EXPECT_EQ(report.topShowDelayMs, 3000u);
    EXPECT_EQ(report.finishCloseDelayMs, 4294967295u);
    EXPECT_EQ(report.startUrl, PackageReport::kDefaultStartUrl);

    EXPECT_TRUE(report.Apply(RunnerEvent::EXE_PATH, 0.0, L"C:\\Q\\Quillora.exe"));
    EXPECT_TRUE(report.Apply(RunnerEvent::UNINST_EP, 0.0, L"C:\\Q\\uninst.ep"));
    EXPECT_TRUE(report.Apply(RunnerEvent::START_URL, 0.0, L"http://x"));
    EXPECT_TRUE(report.Apply(RunnerEvent::STARTUP_STYLE, 2.0, L""));
    EXPECT_TRUE(report.Apply(RunnerEvent::TOP_SHOW_DETENTION, 0.0, L""));
    EXPECT_TRUE(report.Apply(RunnerEvent::FINISH_CLOSE_DETENTION, 1500.0, L""));
    EXPECT_EQ(report.productExe, L"C:\\Q\\Quillora.exe");
    EXPECT_EQ(report.uninstallerMarker, L"C:\\Q\\uninst.ep");
    EXPECT_EQ(report.startUrl, L"http://x");
    EXPECT_EQ(report.startupStyle, kUserStartup);
    EXPECT_EQ(report.topShowDelayMs, 0u);
    EXPECT_EQ(report.finishCloseDelayMs, 1500u);

    EXPECT_FALSE(report.Apply(RunnerEvent::UNINST_EXE_PATH, 0.0, L"ignored"));
    EXPECT_FALSE(report.Apply(RunnerEvent::INST_PATH, 0.0, L"the window's"));
}

}  // namespace
