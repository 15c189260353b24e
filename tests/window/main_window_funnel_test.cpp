// Every funnel report the main window sends reaches a real collector, with
// its label, its A/B group and, for the reasons, its text: the clicks on the
// four reported buttons, the view of the progress page and the tasks of the
// download and the installation.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>

#include "analytics/tracker/usage_tracker_impl.h"
#include "analytics/tracker/usage_tracker_wrapper.h"
#include "download/downloader.h"
#include "installer/src/global_tracker.h"
#include "installer/src/installer_settings.h"
#include "installer/src/main_wnd.h"
#include "installer/src/runner_events.h"
#include "tests/install/installation_registry.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/x_display.h"
#include "tests/tracker/tracker_test_env.h"
#include "tests/window/main_window_session.h"
#include "utils/text_encoding.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::JsonValue;
using TestSupport::WaitUntil;

std::vector<std::string> Names(const std::vector<JsonValue>& records, const char* key) {
    std::vector<std::string> names;
    for (const JsonValue& record : records) names.push_back(record["properties"][key].Text());
    return names;
}

class MainWindowFunnelTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(collector_.Started());
        auto tracker = std::make_unique<vorta::analytics::UsageTrackerImpl>(
            TrackerTest::ConfigFor(appName_, collector_.Url()));
        tracker->init();
        InstallGlobalTracker(
            std::make_shared<vorta::analytics::UsageTrackerWrapper>(std::move(tracker)));
        session_.Start();
        ASSERT_NE(session_.WaitShown(), nullptr);
        Settings().isEnableAppAnalytics = true;
    }

    bool WaitForPage(int page) {
        return WaitUntil([&] { return session_.Main().Page(L"mainTabLt") == page; }, 20s);
    }

    TestSupport::CleanInstallRegistry registry_;
    TestSupport::CollectorServer collector_;
    const std::string appName_ = TrackerTest::UniqueAppName();
    TrackerTest::StagingCleanup cleanup_{appName_};
    TestSupport::TempDir folder_;
    WindowTest::MainWindowSession session_;
};

TEST_F(MainWindowFunnelTest, EveryReportReachesTheCollector) {
    auto& main = session_.Main();
    // Without the agreement "立即安装" is reported but starts nothing.
    ASSERT_TRUE(main.Click(L"treatyCb"));
    ASSERT_TRUE(WaitUntil([&] { return main.Selected(L"treatyCb") == false; }, 10s));
    ASSERT_TRUE(main.Click(L"defaultInstallBtn"));
    ASSERT_TRUE(WaitUntil([&] { return main.Visible(L"tipLbl") == true; }, 10s));
    ASSERT_TRUE(main.Click(L"treatyCb"));

    ASSERT_TRUE(main.Click(L"customeBtn"));
    ASSERT_TRUE(WaitForPage(1));
    ASSERT_TRUE(main.Click(L"installDirEdit"));
    ASSERT_TRUE(TestSupport::PressKeys("ctrl+a"));
    ASSERT_TRUE(TestSupport::TypeText(Utils::ToUtf8(folder_.Path())));
    ASSERT_TRUE(main.Click(L"customeInstallBtn"));
    ASSERT_TRUE(WaitForPage(2));
    // The download cannot reach a server: its failure is reported with the
    // machine's state.
    const auto retry = session_.WaitForDialog(L"NetworkTipWnd");
    ASSERT_NE(retry, nullptr);
    ASSERT_TRUE(retry->Click(L"cancelBtn"));
    ASSERT_TRUE(WaitForPage(1));
    // Another announcement of the downloader's start is not reported again.
    PostMessageW(main.Window(), CMainWnd::kDownloaderStartedMessage, 0, 0);

    // The rest of the road, as the orchestrator would report it.
    ASSERT_TRUE(session_.PostEvent(DL_CODE_MD5, 0, DownloadText::kCurlNoUrlMd5));
    ASSERT_TRUE(session_.PostEvent(DL_CODE_SUCCESS, 0, DownloadText::kLibCurl));
    ASSERT_TRUE(session_.PostEvent(RunnerEvent::INST_PATH, 0, folder_ / L"Quillora"));
    ASSERT_TRUE(session_.PostEvent(RunnerEvent::INSTALL_SUCCESS, 0));
    ASSERT_TRUE(WaitForPage(3));
    ASSERT_TRUE(main.Click(L"openProduceBtn"));
    ASSERT_TRUE(session_.WaitFinished());

    // The tracker sends what is pending when it goes.
    ReleaseGlobalTracker();
    ASSERT_TRUE(WaitUntil([&] { return collector_.Records().Size() >= 11; }, 30s));
    const JsonValue records = collector_.Records();

    const auto clicks = TrackerTest::RecordsOf(records, "track", "ZrEventClick");
    EXPECT_EQ(
        Names(clicks, "zr_name"),
        (std::vector<std::string>{"立即安装", "自定义安装", "自定义安装_立即安装", "立即体验"}));
    const auto views = TrackerTest::RecordsOf(records, "track", "ZrEventView");
    EXPECT_EQ(Names(views, "zr_name"), std::vector<std::string>{"安装中"});
    for (const auto& record : clicks) EXPECT_EQ(record["properties"]["zrc_ab"].Text(), "IN");

    // The single-connection downloader reports its failed size queries
    // itself; the rest is the window's.
    std::vector<JsonValue> tasks;
    for (const JsonValue& task : TrackerTest::RecordsOf(records, "track", "ZrEventTask")) {
        if (task["properties"]["zr_reason"].Text().rfind("1.获取文件大小", 0) != 0) {
            tasks.push_back(task);
        }
    }
    EXPECT_EQ(Names(tasks, "zr_task_name"),
              (std::vector<std::string>{"下载器启动", "开始下载大包", "下载失败原因",
                                        "下载失败原因", "大包下载完毕", "安装成功"}));
    ASSERT_EQ(tasks.size(), 6u);
    const std::string failure = tasks[2]["properties"]["zr_reason"].Text();
    EXPECT_EQ(failure.rfind("1.code=", 0), 0u) << failure;
    EXPECT_NE(failure.find("；2.msg=LibCurl；3.缓存磁盘容量="), std::string::npos) << failure;
    EXPECT_NE(failure.find("G；4.缓存读写权限=可读；5.服务器连接状态code="), std::string::npos)
        << failure;
    EXPECT_EQ(tasks[3]["properties"]["zr_reason"].Text(), ":1.code=0；2.msg=curl获取url-md5失败");
    for (const auto& task : tasks) {
        EXPECT_EQ(task["properties"]["zrc_ab"].Text(), "IN");
        EXPECT_EQ(task["properties"]["zr_task_result"].Text(), "Success");
    }
}

}  // namespace
