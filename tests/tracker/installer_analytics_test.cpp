// The real installer (its test build, which reads the collector URL from
// its configuration file) with analytics: the tracker start-up creates
// before the command line is applied, the reports it lets through, and a
// real crash whose two reports reach the collector before the process ends.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_paths.h"
#include "tests/tracker/tracker_test_env.h"
#include "utils/text_encoding.h"
#include "utils/unique_handle.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::ChildProcess;
using TestSupport::CollectorServer;
using TestSupport::JsonValue;

// Makes a thread of `process` jump to address 0, as a wild pointer would:
// a real fault, reached without any help from the installer.
bool InjectCrash(DWORD processId) {
    const Utils::ScopedHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
    if (!process) return false;
    const Utils::ScopedHandle thread(
        CreateRemoteThread(process.Get(), nullptr, 0, nullptr, nullptr, 0, nullptr));
    return static_cast<bool>(thread);
}

class InstallerAnalyticsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { TrackerTest::StartTransferLibrary(); }
    static void TearDownTestSuite() { TrackerTest::StopTransferLibrary(); }

    void SetUp() override {
        ASSERT_TRUE(collector_.Started());
        ASSERT_TRUE(CopyFileW((TestSupport::BuildDir() + L"\\QuilloraInstaller_e2e.exe").c_str(),
                              (folder_ / L"QuilloraInstaller.exe").c_str(), FALSE));
    }

    // The configuration beside the installer; `analytics` is the file's
    // IsEnableAppAnalytics.
    void Configure(bool analytics) {
        TestSupport::WriteBytes(
            folder_ / L"VortaInstallerConfig.ini",
            "[Install]\r\nIsEnableAppAnalytics=" + std::string(analytics ? "true" : "false") +
                "\r\nDlAppNameSuffix=" + suffix_ +
                "\r\nm_DlAppVersion=file-1.0\r\nIsCheckNet=false\r\n"
                "[Test]\r\nCollectorUrl=" +
                collector_.Url() + "\r\n");
    }

    std::unique_ptr<ChildProcess> Start(const std::wstring& switches) {
        auto installer = std::make_unique<ChildProcess>(
            L"\"" + (folder_ / L"QuilloraInstaller.exe") + L"\" " + switches);
        EXPECT_TRUE(installer->Started());
        window_ = TestSupport::WaitForWindow(installer->Id(), L"Quillora", 30s);
        EXPECT_NE(window_, nullptr);
        return installer;
    }

    bool TrackerConfigExists() const {
        return TestSupport::FileExists(Utils::FromAnsi(TrackerTest::DefaultStagingDir(appName_) +
                                                       appName_ + "_ZRSConfigure.ini"));
    }

    CollectorServer collector_;
    TestSupport::TempDir folder_;
    const std::string suffix_ = "." + TrackerTest::UniqueAppName();
    const std::string appName_ = "Quillora" + suffix_;
    TrackerTest::StagingCleanup cleanup_{appName_};
    HWND window_ = nullptr;
};

TEST_F(InstallerAnalyticsTest, CrashDeliversBothReportsBeforeTheProcessEnds) {
    Configure(true);
    auto installer = Start(L"-dlappversion=cmd-2.0 -dlappnamesuffix=.cmd");
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(InjectCrash(installer->Id()));
    ASSERT_TRUE(installer->Wait(60s).has_value());

    const JsonValue records = collector_.Records();
    ASSERT_EQ(records.Size(), 2u);
    const JsonValue& task = records[0]["properties"];
    EXPECT_EQ(records[0]["event"].Text(), "ZrEventTask");
    EXPECT_EQ(task["zr_task_name"].Text(), "崩溃退出");
    EXPECT_EQ(task["zr_task_result"].Text(), "Success");
    EXPECT_EQ(task["zrc_ab"].Text(), "IN");
    EXPECT_EQ(records[1]["event"].Text(), "AppCrashed");
    EXPECT_EQ(records[1]["properties"]["app_crashed_reason"].Text(), "崩溃");

    // The tracker was configured before the command line was applied.
    EXPECT_EQ(task["zr_app_id"].Text(), appName_);
    EXPECT_EQ(task["zr_dlapp_id"].Text(), "Quillora");
    EXPECT_EQ(task["zr_dlapp_version"].Text(), "file-1.0");
    EXPECT_EQ(task["zr_app_store"].Text(), "QuilloraInstaller.exe");
    EXPECT_EQ(task["$app_version"].Text(), "1.7.9");
    EXPECT_EQ(task["zr_edition"].Text(), "china");
}

TEST_F(InstallerAnalyticsTest, SwitchOffKeepsTheTrackerButSilencesTheReports) {
    Configure(true);
    auto installer = Start(L"-isenableappanalytics=false");
    ASSERT_NE(window_, nullptr);
    EXPECT_TRUE(TrackerConfigExists());
    PostMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(installer->Wait(30s), std::optional<DWORD>(0u));
    EXPECT_EQ(collector_.Requests().Size(), 0u);
}

TEST_F(InstallerAnalyticsTest, FileOffMeansNoTrackerWhateverTheSwitchSays) {
    Configure(false);
    auto installer = Start(L"-isenableappanalytics=true");
    ASSERT_NE(window_, nullptr);
    EXPECT_FALSE(TrackerConfigExists());
    ASSERT_TRUE(InjectCrash(installer->Id()));  // reports enabled, but no tracker
    ASSERT_TRUE(installer->Wait(60s).has_value());
    EXPECT_EQ(collector_.Requests().Size(), 0u);
}

}  // namespace
