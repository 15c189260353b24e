// The tracker's event pipeline over the wire, against the test collector:
// super and context properties, the send rules, the last flush at shutdown
// and a collector that fails, hangs or is gone.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "analytics/tracker/tracker_paths.h"
#include "analytics/tracker/usage_tracker_impl.h"
#include "analytics/tracker/usage_tracker_wrapper.h"
#include "analytics/tracker/zr_exception.h"
#include "tests/support/temp_dir.h"
#include "tests/tracker/tracker_test_env.h"
#include "utils/text_encoding.h"

namespace {

using namespace vorta::analytics;
using namespace std::chrono_literals;
using TestSupport::CollectorServer;
using TestSupport::JsonValue;
using Clock = std::chrono::steady_clock;

ZrEventTask Task(const std::string& name) {
    ZrEventTask task;
    task.name = name;
    return task;
}

ZrEventClick Click(const std::string& name) {
    ZrEventClick click;
    click.name = name;
    return click;
}

class TrackerWireTest : public TrackerTest::CollectorSuite {
protected:
    std::unique_ptr<UsageTrackerImpl> StartTracker(const std::string& url = collector_->Url()) {
        auto tracker = std::make_unique<UsageTrackerImpl>(TrackerTest::ConfigFor(appName_, url));
        tracker->init();
        return tracker;
    }

    std::string StagingFile() const {
        return TrackerTest::DefaultStagingDir(appName_) + appName_ + "_ZRSStaging.txt";
    }

    const ZrContextProperties noContext_;
};

TEST_F(TrackerWireTest, RecordsCarrySuperPropertiesAndTheirKindsContext) {
    std::string deviceId;
    {
        auto tracker = StartTracker();
        deviceId = tracker->getPrimaryDistinctId();
        ZrContextProperties context;
        context.setProperty("zrc_ab", "B", {static_cast<int>(ZrEventKind::Click)});
        tracker->trackClick(Click("立即安装"), context);
        tracker->setL10nLocale("en_US");
        ZrEventView view;
        view.name = "安装中";
        tracker->trackView(view, context);
    }
    const JsonValue records = collector_->Records();
    const auto clicks = TrackerTest::RecordsOf(records, "track", "ZrEventClick");
    const auto views = TrackerTest::RecordsOf(records, "track", "ZrEventView");
    ASSERT_EQ(clicks.size(), 1u);
    ASSERT_EQ(views.size(), 1u);
    const JsonValue& click = clicks[0]["properties"];
    EXPECT_EQ(click["zrc_ab"].Text(), "B");
    EXPECT_EQ(click["zr_name"].Text(), "立即安装");
    EXPECT_FALSE(views[0]["properties"].Has("zrc_ab"));
    EXPECT_EQ(clicks[0]["distinct_id"].Text(), deviceId);

    const struct {
        const char* key;
        std::string text;
    } texts[] = {
        {"zr_app_id", appName_},
        {"$app_id", appName_},
        {"$app_version", "1.7.9"},
        {"zr_app_store", "QuilloraInstaller.exe"},
        {"zr_edition", "china"},
        {"zr_dlapp_id", "Quillora"},
        {"zr_app_platform", "Windows"},
        {"zr_track_type", "Client"},
        {"zr_sdk_version", "3.3.8"},
        {"zr_sdk", "WindowsCPP"},
        {"$os", "Windows"},
        {"$lib", "cpp"},
    };
    for (const auto& expected : texts) {
        EXPECT_EQ(click[expected.key].Text(), expected.text) << expected.key;
    }
    EXPECT_FALSE(click.Has("zr_dlapp_version"));  // empty in the configuration
    EXPECT_FALSE(click.Has("zr_user_id"));
    EXPECT_FALSE(click["$os_version"].Text().empty());
    EXPECT_GT(click["$screen_width"].Number(), 0);
    EXPECT_GT(click["$screen_height"].Number(), 0);
    const std::string& locale = click["zr_l10n_locale"].Text();
    EXPECT_EQ(locale, click["zr_l10n_language"].Text() + "_" + click["zr_l10n_country"].Text());
    EXPECT_EQ(views[0]["properties"]["zr_l10n_locale"].Text(), "en_US");
    EXPECT_EQ(views[0]["properties"]["zr_l10n_country"].Text(), "US");
}

TEST_F(TrackerWireTest, DeferredRecordsGoOutWithTheNextImmediateRequest) {
    auto tracker = StartTracker();
    tracker->trackTask(Task("first"), noContext_);
    tracker->trackClick(Click("second"), noContext_);
    EXPECT_EQ(collector_->Requests().Size(), 0u);  // deferred: nothing sent

    // No send has reached the collector yet, so a worker thread sends.
    tracker->trackUninstall("none", noContext_);
    ASSERT_TRUE(TrackerTest::WaitForRecords(*collector_, 3));

    // Now that sends succeed, the caller's thread sends before it returns.
    tracker->trackTask(Task("third"), noContext_);
    EXPECT_EQ(collector_->Records().Size(), 3u);
    tracker->trackUninstall("again", noContext_);
    EXPECT_EQ(collector_->Records().Size(), 5u);
}

TEST_F(TrackerWireTest, ImmediateRequestWithNothingPendingKeepsTheRecordQueued) {
    StartTracker()->trackLaunch(noContext_);
    EXPECT_EQ(collector_->Requests().Size(), 0u);
    // The record waits in the staging file for the next run.
    EXPECT_NE(TestSupport::ReadBytes(Utils::FromAnsi(StagingFile())).find("ZrEventLaunch"),
              std::string::npos);
}

TEST_F(TrackerWireTest, ReleaseSendsWhatIsPending) {
    auto wrapper = std::make_shared<UsageTrackerWrapper>(StartTracker());
    wrapper->trackTask(Task("a"), noContext_);
    wrapper->trackView(ZrEventView{"", "b", "", ""}, noContext_);
    EXPECT_EQ(collector_->Requests().Size(), 0u);
    wrapper.reset();
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 2u);
    EXPECT_EQ(records[0]["event"].Text(), "ZrEventTask");
    EXPECT_EQ(records[1]["event"].Text(), "ZrEventView");
}

TEST_F(TrackerWireTest, RecordsTheCollectorRefusedReachItInTheNextRun) {
    ASSERT_TRUE(collector_->SetMode(CollectorServer::Mode::Fail));
    StartTracker()->trackTask(Task("refused"), noContext_);
    EXPECT_EQ(collector_->Records().Size(), 0u);
    EXPECT_GE(collector_->Requests().Size(), 3u);

    ASSERT_TRUE(collector_->SetMode(CollectorServer::Mode::Ok));
    StartTracker()->trackTask(Task("accepted"), noContext_);
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 2u);
    EXPECT_EQ(records[0]["properties"]["zr_task_name"].Text(), "refused");
    EXPECT_EQ(records[1]["properties"]["zr_task_name"].Text(), "accepted");
}

TEST_F(TrackerWireTest, WrapperSwallowsRefusedEventsAndSaysSo) {
    {
        UsageTrackerWrapper wrapper(std::make_unique<UsageTrackerImpl>(
            TrackerTest::ConfigFor(appName_, collector_->Url())));
        testing::internal::CaptureStdout();
        wrapper.trackClick(Click(""), noContext_);  // before init: no log, no line
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    }
    UsageTrackerWrapper wrapper(StartTracker());
    EXPECT_EQ(wrapper.getTrackLogger(), nullptr);
    EXPECT_EQ(wrapper.getPrimaryDistinctId().size(), 36u);
    testing::internal::CaptureStdout();
    wrapper.trackClick(Click(""), noContext_);
    wrapper.trackTask(Task(""), noContext_);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Failed to trackClick\nFailed to trackTask\n");

    UsageTrackerWrapper empty(nullptr);
    empty.trackClick(Click("x"), noContext_);
    EXPECT_EQ(empty.getPrimaryDistinctId(), "");
}

TEST_F(TrackerWireTest, IdsOfAnotherCollectorFallBackToTheDevice) {
    const std::string staging = TrackerTest::DefaultStagingDir(appName_);
    ASSERT_TRUE(CreateDirectoryRecursive(staging));
    TestSupport::WriteBytes(Utils::FromAnsi(staging + appName_ + "_ZRSConfigure.ini"),
                            "[Base]\r\nDistinctId=user-9\r\nPrimaryDistinctId=DEVICE-1\r\n"
                            "UserId=user-9\r\nisLogined=OK\r\nURL=http://elsewhere/sa\r\n");
    {
        auto tracker = StartTracker();
        EXPECT_EQ(tracker->getPrimaryDistinctId(), "DEVICE-1");
        tracker->trackTask(Task("after"), noContext_);
    }
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 1u);
    EXPECT_EQ(records[0]["distinct_id"].Text(), "DEVICE-1");
    EXPECT_FALSE(records[0]["properties"].Has("$is_login_id"));
    EXPECT_FALSE(records[0]["properties"].Has("zr_user_id"));
}

TEST_F(TrackerWireTest, UnknownEditionLeavesTheSdkRunningWithoutSuperProperties) {
    UsageTrackerConfig config = TrackerTest::ConfigFor(appName_, collector_->Url());
    config.edition = 2;
    {
        auto tracker = std::make_unique<UsageTrackerImpl>(config);
        try {
            tracker->init();
            ADD_FAILURE() << "edition 2 accepted";
        } catch (const ZrException& error) {
            EXPECT_STREQ(error.what(), "Unknown edition [2]!");
        }
        tracker->trackTask(Task("still counted"), noContext_);
    }
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 1u);
    EXPECT_EQ(records[0]["properties"]["zr_task_name"].Text(), "still counted");
    EXPECT_EQ(records[0]["properties"]["$lib"].Text(), "cpp");
    EXPECT_FALSE(records[0]["properties"].Has("zr_app_id"));
}

TEST_F(TrackerWireTest, ConcurrentCallersLoseNoRecord) {
    constexpr int kThreads = 4;
    constexpr int kEvents = 15;
    {
        auto tracker = StartTracker();
        std::vector<std::thread> callers;
        for (int t = 0; t < kThreads; ++t) {
            callers.emplace_back([&tracker, t, this] {
                for (int n = 0; n < kEvents; ++n) {
                    tracker->trackClick(Click("c" + std::to_string(t * 100 + n)), noContext_);
                    if (n % 5 == 4) tracker->trackUninstall("", noContext_);
                }
            });
        }
        for (std::thread& caller : callers) caller.join();
    }
    EXPECT_EQ(TrackerTest::RecordsOf(collector_->Records(), "track", "ZrEventClick").size(),
              static_cast<std::size_t>(kThreads * kEvents));
}

TEST_F(TrackerWireTest, HangingCollectorHoldsNeitherCallerNorShutdownPastItsTimeOut) {
    ASSERT_TRUE(collector_->SetNextModes({CollectorServer::Mode::Hang}));
    const auto start = Clock::now();
    {
        auto tracker = StartTracker();
        tracker->trackTask(Task("patient"), noContext_);
        const auto call = Clock::now();
        tracker->trackUninstall("", noContext_);  // sent by a worker
        EXPECT_LT(Clock::now() - call, 1s);
    }
    // One POST runs into the 3-second time-out, the retry is answered.
    EXPECT_LT(Clock::now() - start, 8s);
    EXPECT_EQ(collector_->Records().Size(), 2u);
}

TEST_F(TrackerWireTest, CollectorThatIsGoneCostsNoTime) {
    CollectorServer gone;
    ASSERT_TRUE(gone.Started());
    const std::string url = gone.Url();
    gone.Stop();
    const auto start = Clock::now();
    {
        auto tracker = StartTracker(url);
        tracker->trackTask(Task("lost"), noContext_);
        tracker->trackUninstall("", noContext_);
        tracker->trackCrash("crash");
    }
    EXPECT_LT(Clock::now() - start, 5s);
    EXPECT_NE(TestSupport::ReadBytes(Utils::FromAnsi(StagingFile())).find("AppCrashed"),
              std::string::npos);
}

}  // namespace
