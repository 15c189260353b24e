// The whole road of the real installer: a click on "立即安装", the download
// of the setup package from the package server behind its "/software/269"
// redirect, the installation, the finished page and "立即体验", with the
// funnel reports at the collector; an upgrade over a registered older
// installation; and the failures: a server that is down, a package that
// fails, a connection that drops.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "installer/src/existing_installation.h"
#include "tests/e2e/installer_under_test.h"
#include "tests/install/installation_registry.h"
#include "tests/support/collector_server.h"
#include "tests/support/debug_output_listener.h"
#include "tests/support/package_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_packages.h"
#include "tests/support/wait.h"
#include "tests/tracker/tracker_test_env.h"
#include "tests/window/installed_product.h"
#include "tests/window/skin_layout_points.h"
#include "tests/window/skin_window_probe.h"
#include "utils/file_md5.h"
#include "utils/install_registry.h"
#include "utils/text_encoding.h"

namespace {

using namespace std::chrono_literals;
using E2E::InstallerUnderTest;
using TestSupport::FileExists;
using TestSupport::JsonValue;
using TestSupport::WaitUntil;

using WindowTest::IniText;
using WindowTest::RegistryText;

// The names of the records of `event`, under `key`, in arrival order.
std::vector<std::string> Names(const JsonValue& records, const char* event, const char* key) {
    std::vector<std::string> names;
    for (const JsonValue& record : TrackerTest::RecordsOf(records, "track", event)) {
        names.push_back(record["properties"][key].Text());
    }
    return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

class InstallerRoadTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WindowTest::CloseRunningProducts());
        ExistingInstallation installation;
        installation.ReadRegistered();
        installFolder_ = installation.DefaultInstallFolder();
        TestSupport::RemoveTree(installFolder_);
        ASSERT_TRUE(
            CopyFileW(TestSupport::SetupPackageExe().c_str(), (served_ / L"269").c_str(), FALSE));
        packageMd5_ = Utils::FileMd5(Utils::ToAnsi(served_ / L"269"));
        ASSERT_TRUE(server_.Running());
        ASSERT_TRUE(collector_.Started());
        TrackerTest::StartTransferLibrary();
    }

    void TearDown() override {
        WindowTest::CloseRunningProducts();
        TestSupport::RemoveTree(installFolder_);
        TrackerTest::StopTransferLibrary();
    }

    // The configuration of a run: the package behind the server's redirect,
    // analytics to the test collector under a name of this test's own.
    std::map<std::string, std::string> Configuration(int downloadType) const {
        return {{"DownloadUrl", Utils::ToUtf8(server_.Url("/software/269"))},
                {"DownloadType", std::to_string(downloadType)},
                {"IsCheckNet", "false"},
                {"IsEnableAppAnalytics", "true"},
                {"DlAppNameSuffix", suffix_}};
    }

    bool Start(const std::map<std::string, std::string>& configuration) {
        return installer_.Configure(configuration, collector_.Url()) && installer_.Start();
    }

    bool ClickMain(POINT point) {
        return InstallerUnderTest::Click(installer_.MainWindow(), point);
    }

    // The registry names the installation once the window has shown the
    // finished page.
    bool WaitUntilRecorded(const wchar_t* value) {
        return WaitUntil([&] { return !RegistryText(value).empty(); }, 120s, 100ms);
    }

    // "立即体验" starts the product (the package asks for it on this click)
    // and ends the installer normally.
    void OpenTheProduct() {
        ASSERT_TRUE(ClickMain(SkinPoints::kOpenProduct));
        EXPECT_EQ(installer_.WaitForExit(), std::optional<DWORD>(0u));
        EXPECT_TRUE(WaitUntil([&] { return WindowTest::ProductStartedIn(installFolder_); }, 30s));
    }

    // Answers the failure dialog `className` at `button`; back on the first
    // page, the window then closes without a question.
    void AnswerAndQuit(const wchar_t* className, POINT button, const std::string& screenshot) {
        const HWND dialog = installer_.WaitForWindow(className, 120s);
        ASSERT_NE(dialog, nullptr);
        WindowTest::SaveWindowScreenshot(dialog, screenshot);
        ASSERT_TRUE(InstallerUnderTest::Click(dialog, button));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 20s));
        PostMessageW(installer_.MainWindow(), WM_CLOSE, 0, 0);
        EXPECT_EQ(installer_.WaitForExit(), std::optional<DWORD>(0u));
    }

    // The collector's records once the installer has ended: its tracker
    // sends what is pending on the way out.
    JsonValue RecordsWith(const char* event, const std::string& name, const char* key) {
        JsonValue records;
        WaitUntil(
            [&] {
                records = collector_.Records();
                return Contains(Names(records, event, key), name);
            },
            30s, 200ms);
        return records;
    }

    void ExpectInstalled() {
        EXPECT_EQ(RegistryText(L"InstallPath"), installFolder_);
        EXPECT_EQ(RegistryText(L"UnInstallEp"), installFolder_ + L"\\uninst.ep");
        EXPECT_TRUE(FileExists(installFolder_ + L"\\Quillora.exe"));
        EXPECT_EQ(IniText(installFolder_ + L"\\set.ini", L"Install", L"AppName"), L"Quillora");
        EXPECT_EQ(IniText(installFolder_ + L"\\set.ini", L"Install", L"APPStore"),
                  L"QuilloraInstaller.exe");
        EXPECT_EQ(IniText(installFolder_ + L"\\install_options.ini", L"Options", L"dsc"), L"true");
        EXPECT_EQ(IniText(installFolder_ + L"\\install_options.ini", L"Options", L"ssc"), L"true");
        EXPECT_FALSE(FileExists(installFolder_ + L"\\__Package_Quillora.exe"));
    }

    TestSupport::CleanInstallRegistry registry_;
    TestSupport::TempDir served_;
    TestSupport::PackageServer server_{served_.Path()};
    TestSupport::CollectorServer collector_;
    const std::string suffix_ = "." + TrackerTest::UniqueAppName();
    TrackerTest::StagingCleanup cleanup_{"Quillora" + suffix_};
    InstallerUnderTest installer_;
    std::wstring installFolder_;
    std::string packageMd5_;
};

class DownloadTypeTest : public InstallerRoadTest, public testing::WithParamInterface<int> {};

TEST_P(DownloadTypeTest, InstallsAndStartsTheProduct) {
    ASSERT_TRUE(Start(Configuration(GetParam())));
    WindowTest::SaveWindowScreenshot(installer_.MainWindow(), "e2e_start");
    ASSERT_TRUE(ClickMain(SkinPoints::kInstallNow));
    ASSERT_TRUE(WaitUntilRecorded(L"InstallPath"));
    WindowTest::SaveWindowScreenshot(installer_.MainWindow(),
                                     "e2e_finished_type" + std::to_string(GetParam()));
    ExpectInstalled();
    EXPECT_FALSE(WindowTest::ProductStartedIn(installFolder_));
    OpenTheProduct();

    const auto gets = server_.Requests("GET", "/" + packageMd5_ + "/269");
    EXPECT_FALSE(gets.empty());
    const JsonValue records = RecordsWith("ZrEventClick", "立即体验", "zr_name");
    EXPECT_EQ(Names(records, "ZrEventClick", "zr_name"),
              (std::vector<std::string>{"立即安装", "立即体验"}));
    EXPECT_EQ(Names(records, "ZrEventView", "zr_name"), std::vector<std::string>{"安装中"});
    const auto tasks = Names(records, "ZrEventTask", "zr_task_name");
    EXPECT_EQ(tasks,
              (std::vector<std::string>{"下载器启动", "开始下载大包", "大包下载完毕", "安装成功"}));
}

INSTANTIATE_TEST_SUITE_P(Types, DownloadTypeTest, testing::Values(1, 2, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return "type" + std::to_string(info.param);
                         });

TEST_F(InstallerRoadTest, AnUpgradeRunsTheOldUninstallerFirst) {
    ASSERT_TRUE(WindowTest::InstallPackageInto(installFolder_));
    ASSERT_TRUE(TestSupport::WriteBytes(installFolder_ + L"\\Quillora.started", "old"));
    // The marker is found in the folder: the new one is recorded afterwards.
    ASSERT_TRUE(Utils::WriteInstallRegistryValue(L"InstallPath", installFolder_));

    TestSupport::DebugOutputListener log;
    ASSERT_TRUE(log.IsListening());
    ASSERT_TRUE(installer_.Configure(Configuration(1), collector_.Url()));
    // The prompt comes before the main window shows.
    ASSERT_TRUE(installer_.Launch());
    const HWND prompt = installer_.WaitForWindow(L"InstalledPathTipWnd");
    ASSERT_NE(prompt, nullptr);
    WindowTest::SaveWindowScreenshot(prompt, "e2e_existing_installation");
    ASSERT_TRUE(InstallerUnderTest::Click(prompt, SkinPoints::kInstallLatest));
    ASSERT_TRUE(installer_.WaitForMainWindow());

    ASSERT_TRUE(WaitUntilRecorded(L"UnInstallEp"));
    ExpectInstalled();
    // The old uninstaller removed what the old product left.
    EXPECT_FALSE(WindowTest::ProductStartedIn(installFolder_));
    const auto records = log.Records();
    const auto indexOf = [&](const wchar_t* text) {
        return std::find_if(records.begin(), records.end(),
                            [&](const auto& record) {
                                return record.text.find(text) != std::wstring::npos;
                            }) -
               records.begin();
    };
    EXPECT_LT(indexOf(L"UNIST_CODE_SUCCESS"), indexOf(L"DL_CODE_START"));
    EXPECT_LT(indexOf(L"DL_CODE_START"), indexOf(L"INSTALL_SUCCESS"));
    EXPECT_LT(indexOf(L"INSTALL_SUCCESS"), static_cast<long>(records.size()));
    OpenTheProduct();
}

TEST_F(InstallerRoadTest, ADownloadThatFailsForGoodIsReportedWithItsReason) {
    auto configuration = Configuration(1);
    {
        // A port where a server listened a moment ago: nothing answers now.
        TestSupport::TempDir nothing;
        TestSupport::PackageServer gone(nothing.Path());
        ASSERT_TRUE(gone.Running());
        configuration["DownloadUrl"] = Utils::ToUtf8(gone.Url("/software/269"));
    }
    ASSERT_TRUE(Start(configuration));
    ASSERT_TRUE(ClickMain(SkinPoints::kInstallNow));
    AnswerAndQuit(L"NetworkTipWnd", SkinPoints::kTryLater, "e2e_download_failed");

    const JsonValue records = RecordsWith("ZrEventTask", "下载失败原因", "zr_task_name");
    std::string reason;
    for (const JsonValue& task : TrackerTest::RecordsOf(records, "track", "ZrEventTask")) {
        const std::string text = task["properties"]["zr_reason"].Text();
        if (text.rfind("1.code=", 0) == 0) reason = text;
    }
    EXPECT_NE(reason.find("；2.msg=LibCurl；3.缓存磁盘容量="), std::string::npos) << reason;
    EXPECT_NE(reason.find("G；4.缓存读写权限=可读；5.服务器连接状态code="), std::string::npos)
        << reason;
    EXPECT_EQ(RegistryText(L"InstallPath"), L"");
}

TEST_F(InstallerRoadTest, APackageThatFailsIsReportedAndNothingIsRecorded) {
    auto configuration = Configuration(1);
    configuration["InstCmd"] = "-result=fail";
    ASSERT_TRUE(Start(configuration));
    ASSERT_TRUE(ClickMain(SkinPoints::kInstallNow));
    AnswerAndQuit(L"MessageBox2Wnd", SkinPoints::kNoticeClose, "e2e_package_failed");

    const JsonValue records = RecordsWith("ZrEventTask", "安装失败原因", "zr_task_name");
    for (const JsonValue& task : TrackerTest::RecordsOf(records, "track", "ZrEventTask")) {
        if (task["properties"]["zr_task_name"].Text() == "安装失败原因") {
            EXPECT_EQ(task["properties"]["zr_reason"].Text(),
                      ":1.code=1000；2.msg=安装包被要求失败");
        }
    }
    EXPECT_EQ(RegistryText(L"InstallPath"), L"");
    EXPECT_FALSE(FileExists(installFolder_ + L"\\__Package_Quillora.exe"));
}

TEST_F(InstallerRoadTest, ADroppedConnectionIsResumedAndTheInstallationCompletes) {
    const std::string file = "/" + packageMd5_ + "/269";
    ASSERT_TRUE(
        server_.AddFault(TestSupport::ServerFault(file, "close_after", 65536).Method("GET")));
    ASSERT_TRUE(Start(Configuration(1)));
    ASSERT_TRUE(ClickMain(SkinPoints::kInstallNow));
    ASSERT_TRUE(WaitUntilRecorded(L"InstallPath"));
    ExpectInstalled();

    const auto gets = server_.Requests("GET", file);
    ASSERT_GE(gets.size(), 2u);
    EXPECT_EQ(gets.front().range, "");
    EXPECT_EQ(gets.back().range.rfind("bytes=", 0), 0u) << gets.back().range;
    EXPECT_NE(gets.back().range, "bytes=0-");
    OpenTheProduct();
}

}  // namespace
