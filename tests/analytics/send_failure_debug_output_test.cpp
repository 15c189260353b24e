#include <gtest/gtest.h>

#include "analytics/core/sdk.h"
#include "analytics/core/send_status.h"
#include "tests/support/collector_server.h"
#include "tests/support/debug_output_listener.h"
#include "tests/support/temp_dir.h"
#include "utils/text_encoding.h"

namespace {

using namespace usage_analytics;

TEST(SendFailureDebugOutputTest, FailedPostIsReportedToTheDebugger) {
    TestSupport::DebugOutputListener listener;
    ASSERT_TRUE(listener.IsListening());
    TestSupport::CollectorServer collector;
    ASSERT_TRUE(collector.Started());
    ASSERT_TRUE(collector.SetMode(TestSupport::CollectorServer::Mode::Fail));
    TestSupport::TempDir staging;
    ASSERT_TRUE(Sdk::Init(Utils::ToAnsi(staging / L"staging.txt"), collector.Url(), "d", false));

    Sdk::Track("ZrEventView");
    EXPECT_FALSE(Sdk::Flush());
    EXPECT_FALSE(LastSendOk());
    EXPECT_TRUE(listener.WaitForText(L"[analytics] UsageAnalytics SDK send failed",
                                     std::chrono::seconds(5)));
    Sdk::Shutdown();
}

}  // namespace
