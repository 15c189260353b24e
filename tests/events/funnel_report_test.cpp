// The installer's four funnel reports: the guard, the A/B context and the
// events they hand to the global tracker, and what reaches the collector.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "analytics/tracker/usage_tracker_impl.h"
#include "analytics/tracker/usage_tracker_wrapper.h"
#include "installer/src/funnel_events.h"
#include "installer/src/funnel_labels.h"
#include "installer/src/global_tracker.h"
#include "installer/src/installer_settings.h"
#include "tests/tracker/tracker_test_env.h"

namespace {

using namespace vorta::analytics;
using TestSupport::JsonValue;

// One call the reports made: the operation, the event's name and the
// context properties of the event's kind.
struct Call {
    std::string operation;
    std::string name;
    std::vector<std::pair<std::string, std::string>> context;
    ZrEventTask task;
};

// Records the report operations; the installer calls no other.
class RecordingTracker : public UsageTracker {
public:
    std::vector<Call> calls;

    void trackTask(const ZrEventTask& event, const ZrContextProperties& context) override {
        calls.push_back({"trackTask", event.name, Entries(context, ZrEventKind::Task), event});
    }
    void trackClick(const ZrEventClick& event, const ZrContextProperties& context) override {
        EXPECT_EQ(event.clickType, ClickType::Button);
        calls.push_back({"trackClick", event.name, Entries(context, ZrEventKind::Click), {}});
    }
    void trackView(const ZrEventView& event, const ZrContextProperties& context) override {
        calls.push_back({"trackView", event.name, Entries(context, ZrEventKind::View), {}});
    }
    void trackCrash(const std::string& reason) override {
        calls.push_back({"trackCrash", reason, {}, {}});
    }

    void trackActivity(const ZrContextProperties&) override { Unexpected(); }
    void trackLaunch(const ZrContextProperties&) override { Unexpected(); }
    void trackLogin(const ZrUserInfo&, bool, const std::string&,
                    const ZrContextProperties&) override {
        Unexpected();
    }
    void trackCashier(const ZrEventCashier&, const ZrContextProperties&) override { Unexpected(); }
    void trackShare(const ZrEventShare&, const ZrContextProperties&) override { Unexpected(); }
    void trackFile(const ZrEventFile&, const ZrContextProperties&) override { Unexpected(); }
    void trackOrder(const ZrEventOrder&, const ZrContextProperties&) override { Unexpected(); }
    void trackPayment(const ZrEventPayment&, const ZrContextProperties&) override { Unexpected(); }
    void trackUninstall(const std::string&, const ZrContextProperties&) override { Unexpected(); }
    void trackUpdate(const ZrEventUpdate&, const ZrContextProperties&) override { Unexpected(); }
    void trackAppOpenNotification(const ZrEventAppOpenNotification*,
                                  const ZrContextProperties&) override {
        Unexpected();
    }
    void setL10nLocale(const std::string&) override { Unexpected(); }
    std::string getPrimaryDistinctId() override { return {}; }
    TrackLogger* getTrackLogger() override { return nullptr; }

private:
    static void Unexpected() { ADD_FAILURE() << "the funnel reports call only four operations"; }

    static std::vector<std::pair<std::string, std::string>> Entries(
        const ZrContextProperties& context, ZrEventKind kind) {
        std::vector<std::pair<std::string, std::string>> entries;
        for (const auto& entry : context.getEventProperties(kind)) {
            entries.emplace_back(entry.name, *entry.value);
        }
        return entries;
    }
};

const Funnel::Properties kAbIn = {{L"AB", L"IN"}};

class FunnelReportTest : public testing::Test {
protected:
    void SetUp() override {
        Settings().isEnableAppAnalytics = true;
        InstallGlobalTracker(tracker_);
    }
    void TearDown() override { ReleaseGlobalTracker(); }

    static void ReportAllFour() {
        Funnel::ReportTask(Funnel::kInstallFailed, 2.5f, L":1.code=3；2.msg=disk", kAbIn);
        Funnel::ReportClick(Funnel::ClickLabelOf(L"customeInstallBtn"), kAbIn);
        Funnel::ReportView(Funnel::kInstallingView, kAbIn);
        Funnel::ReportCrash();
    }

    std::shared_ptr<RecordingTracker> tracker_ = std::make_shared<RecordingTracker>();
};

TEST_F(FunnelReportTest, NothingReachesTheTrackerWhileAnalyticsIsOff) {
    Settings().isEnableAppAnalytics = false;
    ReportAllFour();
    EXPECT_TRUE(tracker_->calls.empty());

    Settings().isEnableAppAnalytics = true;
    ReleaseGlobalTracker();
    ReportAllFour();  // no tracker: dropped as well
    EXPECT_TRUE(tracker_->calls.empty());
}

TEST_F(FunnelReportTest, EachReportHandsItsEventAndAbGroupToTheTracker) {
    ReportAllFour();
    ASSERT_EQ(tracker_->calls.size(), 4u);
    const std::vector<std::pair<std::string, std::string>> abIn = {{"zrc_ab", "IN"}};

    const Call& task = tracker_->calls[0];
    EXPECT_EQ(task.operation, "trackTask");
    EXPECT_EQ(task.name, "安装失败原因");
    EXPECT_EQ(task.task.reason, ":1.code=3；2.msg=disk");
    ASSERT_TRUE(task.task.elapsed);
    EXPECT_EQ(*task.task.elapsed, 2.5f);
    ASSERT_TRUE(task.task.result);
    EXPECT_EQ(*task.task.result, ZrResult::Success);
    EXPECT_EQ(task.context, abIn);

    EXPECT_EQ(tracker_->calls[1].operation, "trackClick");
    EXPECT_EQ(tracker_->calls[1].name, "自定义安装_立即安装");
    EXPECT_EQ(tracker_->calls[1].context, abIn);
    EXPECT_EQ(tracker_->calls[2].operation, "trackView");
    EXPECT_EQ(tracker_->calls[2].name, "安装中");
    EXPECT_EQ(tracker_->calls[2].context, abIn);
    EXPECT_EQ(tracker_->calls[3].operation, "trackCrash");
    EXPECT_EQ(tracker_->calls[3].name, "崩溃");
}

TEST_F(FunnelReportTest, RefusedOrMissingGroupLeavesTheEventWithoutOne) {
    Funnel::ReportClick(L"立即安装", {{L"AB", L"in"}});
    Funnel::ReportView(L"安装中", {});
    Funnel::ReportTask(L"安装成功", 0, L"", {{L"AB", L""}});
    ASSERT_EQ(tracker_->calls.size(), 3u);
    for (const Call& call : tracker_->calls) EXPECT_TRUE(call.context.empty()) << call.name;
    ASSERT_TRUE(tracker_->calls[2].task.elapsed);
    EXPECT_EQ(*tracker_->calls[2].task.elapsed, 0.0f);  // always set
}

// The same reports through a real tracker, to the test collector.
class FunnelWireTest : public TrackerTest::CollectorSuite {
protected:
    void TearDown() override { ReleaseGlobalTracker(); }
};

TEST_F(FunnelWireTest, ReportsReachTheCollectorWithResultAndAbGroup) {
    auto tracker =
        std::make_unique<UsageTrackerImpl>(TrackerTest::ConfigFor(appName_, collector_->Url()));
    tracker->init();
    Settings().isEnableAppAnalytics = true;
    InstallGlobalTracker(std::make_shared<UsageTrackerWrapper>(std::move(tracker)));

    Funnel::ReportTask(Funnel::kCrashExit, 0, L"", kAbIn);
    Funnel::ReportClick(Funnel::ClickLabelOf(L"customeInstallBtn"), kAbIn);
    Funnel::ReportCrash();  // sends before it returns, as a crash handler needs
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 3u);
    const JsonValue& task = records[0]["properties"];
    EXPECT_EQ(records[0]["event"].Text(), "ZrEventTask");
    EXPECT_EQ(task["zr_task_name"].Text(), "崩溃退出");
    EXPECT_EQ(task["zr_task_result"].Text(), "Success");
    EXPECT_EQ(task["zr_task_elapsed"].NumberText(), "0");
    EXPECT_EQ(task["zrc_ab"].Text(), "IN");
    EXPECT_FALSE(task.Has("zr_reason"));
    const JsonValue& click = records[1]["properties"];
    EXPECT_EQ(click["zr_name"].Text(), "自定义安装_立即安装");
    EXPECT_EQ(click["zr_click_type"].Text(), "Button");
    EXPECT_EQ(click["zrc_ab"].Text(), "IN");
    EXPECT_EQ(records[2]["event"].Text(), "AppCrashed");
    EXPECT_EQ(records[2]["properties"]["app_crashed_reason"].Text(), "崩溃");
}

}  // namespace
