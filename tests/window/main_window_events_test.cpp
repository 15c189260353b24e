// The main window's handling of installer events, driven by the records the
// orchestrator posts: progress on the bar and in the text, the package's
// messages, failures with their dialogs, the finished page with its record
// of the installation and the start of the product, and the close rules of
// the progress and finished pages.

#include <gtest/gtest.h>
#include <windows.h>

#include <limits>

#include "download/downloader.h"
#include "installer/src/installer_dialogs.h"
#include "installer/src/installer_settings.h"
#include "installer/src/runner_events.h"
#include "tests/install/installation_registry.h"
#include "tests/support/package_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_packages.h"
#include "tests/support/wait.h"
#include "tests/support/x_display.h"
#include "tests/window/installed_product.h"
#include "tests/window/main_window_session.h"
#include "ui/framework/paint_manager.h"
#include "ui/framework/skin_window_base.h"
#include "utils/install_registry.h"
#include "utils/text_encoding.h"

namespace {

using namespace std::chrono_literals;
using namespace RunnerEvent;
using TestSupport::FileExists;
using TestSupport::WaitUntil;
using WindowTest::MainWindowSession;

using WindowTest::IniText;
using WindowTest::RegistryText;

class MainWindowEventsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WindowTest::CloseRunningProducts());
        session_.Start();
        ASSERT_NE(session_.WaitShown(), nullptr);
    }
    void TearDown() override { WindowTest::CloseRunningProducts(); }

    WindowTest::SkinWindowProbe& Main() { return session_.Main(); }

    bool WaitForProgress(int percent, const std::wstring& text) {
        return WaitUntil(
            [&] {
                return Main().ProgressValue(L"installPrg") == percent &&
                       Main().Text(L"progressLb") == text;
            },
            10s);
    }

    // The package installed a product into `folder_` and told the window so.
    void ReportInstalledProduct(const wchar_t* startupStyle) {
        ASSERT_TRUE(CopyFileW(TestSupport::ProductExe().c_str(),
                              (folder_ / L"Quillora.exe").c_str(), FALSE));
        ASSERT_TRUE(TestSupport::WriteBytes(folder_ / L"uninst.ep", "marker"));
        ASSERT_TRUE(session_.PostEvent(INST_PATH, 0, folder_.Path()));
        ASSERT_TRUE(session_.PostEvent(EXE_PATH, 0, folder_ / L"Quillora.exe"));
        ASSERT_TRUE(session_.PostEvent(UNINST_EP, 0, folder_ / L"uninst.ep"));
        ASSERT_TRUE(
            session_.PostEvent(STARTUP_STYLE, std::wstring(startupStyle) == L"Auto" ? 1 : 2));
    }

    TestSupport::CleanInstallRegistry registry_;
    TestSupport::TempDir folder_;
    MainWindowSession session_;
};

TEST_F(MainWindowEventsTest, TheBarGivesTheDownloadItsShareAndTheInstallationTheRest) {
    // A scale from "-downloadscale=x" is not a number: the bar keeps 0.7.
    Settings().downloadScale = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(session_.PostEvent(DL_CODE_START, 1.0));
    ASSERT_TRUE(session_.PostEvent(DL_CODE_PROGRESS, 0.5));
    EXPECT_TRUE(WaitForProgress(35, L"正在安装中:35%，请稍候..."));
    ASSERT_TRUE(session_.PostEvent(DL_CODE_PROGRESS, 1.0));
    EXPECT_TRUE(WaitForProgress(70, L"正在安装中:70%，请稍候..."));
    ASSERT_TRUE(session_.PostEvent(INST_PATH, 0, folder_.Path()));
    ASSERT_TRUE(session_.PostEvent(IST_CODE_START, 0));
    ASSERT_TRUE(session_.PostEvent(IST_CODE_PROGRESS, 0));
    EXPECT_TRUE(WaitForProgress(74, L"正在安装中:74%，请稍候..."));
    // The installation start already wrote the folder's "set.ini".
    EXPECT_EQ(IniText(folder_ / L"set.ini", L"Install", L"AppName"), L"Quillora");

    ASSERT_TRUE(session_.PostEvent(IST_CODE_FAIL, kStateLineFail, L""));
    const auto notice = session_.WaitForDialog(L"MessageBox2Wnd");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->Text(L"textLbl"), std::wstring(Dialogs::kInstallFailedText));
    ASSERT_TRUE(notice->Click(L"closebtn"));
    // At 70 or more the bar and its text start over.
    EXPECT_TRUE(WaitForProgress(0, L"正在安装中:0%，请稍候..."));
    EXPECT_EQ(Main().Page(L"mainTabLt"), 0);
    EXPECT_EQ(RegistryText(L"InstallPath"), L"");
}

TEST_F(MainWindowEventsTest, AFailureBelowSeventyKeepsTheBar) {
    ASSERT_TRUE(session_.PostEvent(DL_CODE_PROGRESS, 0.99));
    EXPECT_TRUE(WaitForProgress(69, L"正在安装中:69%，请稍候..."));
    ASSERT_TRUE(session_.PostEvent(IST_CODE_FAIL, kErrorLine, L"磁盘已满"));
    const auto notice = session_.WaitForDialog(L"MessageBox2Wnd");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->Text(L"textLbl"), L"磁盘已满");
    EXPECT_NE(notice->Screenshot("install_failed"), L"");
    ASSERT_TRUE(notice->Click(L"closebtn"));
    ASSERT_TRUE(WindowTest::WaitUntilGone(L"MessageBox2Wnd"));
    EXPECT_TRUE(WaitForProgress(69, L"正在安装中:69%，请稍候..."));
}

TEST_F(MainWindowEventsTest, ThePackagesMessagesAndAFailedUninstallAreShown) {
    ASSERT_TRUE(session_.PostEvent(MESSAGE, 0, L"请重启电脑后再使用"));
    const auto message = session_.WaitForDialog(L"MessageBox1Wnd");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Text(L"captionLbl"), L"消息");
    EXPECT_EQ(message->Text(L"textLbl"), L"请重启电脑后再使用");
    EXPECT_NE(message->Screenshot("package_message"), L"");
    ASSERT_TRUE(message->Click(L"closebtn"));
    ASSERT_TRUE(WindowTest::WaitUntilGone(L"MessageBox1Wnd"));

    ASSERT_TRUE(session_.PostEvent(UNIST_CODE_ERROR, 0, L"安装包卸载失败"));
    const auto running = session_.WaitForDialog(L"MessageBox1Wnd");
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->Text(L"textLbl"), std::wstring(Dialogs::kRunningProductText));
    ASSERT_TRUE(running->Click(L"closebtn"));
    ASSERT_TRUE(WindowTest::WaitUntilGone(L"MessageBox1Wnd"));
    // Without a registered installation the installer stays.
    EXPECT_FALSE(session_.WaitFinished(1s));
}

TEST_F(MainWindowEventsTest, SuccessRecordsTheInstallationAndImmediateExperienceStartsTheProduct) {
    ReportInstalledProduct(L"User");
    // An empty folder report cannot stand for the installation's folder.
    ASSERT_TRUE(session_.PostEvent(INST_PATH, 0, L""));
    ASSERT_TRUE(session_.PostEvent(INSTALL_SUCCESS, kStateLineSuccess));
    ASSERT_TRUE(WaitUntil([&] { return Main().Page(L"mainTabLt") == 3; }, 10s));
    EXPECT_EQ(Main().ProgressValue(L"installPrg"), 100);
    EXPECT_EQ(Main().Visible(L"titleGrpCtn"), true);
    EXPECT_EQ(RegistryText(L"InstallPath"), folder_.Path());
    EXPECT_EQ(RegistryText(L"UnInstallEp"), folder_ / L"uninst.ep");
    EXPECT_EQ(IniText(folder_ / L"set.ini", L"Install", L"AppName"), L"Quillora");
    EXPECT_NE(IniText(folder_ / L"set.ini", L"Install", L"DeviceID"), L"");
    EXPECT_NE(Main().Screenshot("main_page3"), L"");
    EXPECT_FALSE(WindowTest::ProductStartedIn(folder_.Path()));

    ASSERT_TRUE(Main().Click(L"openProduceBtn"));
    EXPECT_TRUE(session_.WaitFinished());
    EXPECT_TRUE(WaitUntil([&] { return WindowTest::ProductStartedIn(folder_.Path()); }, 20s));
}

TEST_F(MainWindowEventsTest, AutomaticStartUpStartsTheProductAtOnceAndCloseNeedsNoConfirmation) {
    ReportInstalledProduct(L"Auto");
    ASSERT_TRUE(session_.PostEvent(INSTALL_SUCCESS, kEndedWithoutState));
    EXPECT_TRUE(WaitUntil([&] { return WindowTest::ProductStartedIn(folder_.Path()); }, 20s));
    ASSERT_TRUE(WaitUntil([&] { return Main().Page(L"mainTabLt") == 3; }, 10s));
    ASSERT_TRUE(Main().Click(L"closebtn"));
    EXPECT_TRUE(session_.WaitFinished());
    EXPECT_EQ(WindowTest::WaitForSkinWindow(L"ExitTipWnd", 1s), nullptr);
}

TEST_F(MainWindowEventsTest, TheFinishCloseDelayClosesTheWindow) {
    ReportInstalledProduct(L"User");
    ASSERT_TRUE(session_.PostEvent(FINISH_CLOSE_DETENTION, 500));
    ASSERT_TRUE(session_.PostEvent(INSTALL_SUCCESS, kStateLineSuccess));
    EXPECT_TRUE(session_.WaitFinished(10s));
    EXPECT_FALSE(WindowTest::ProductStartedIn(folder_.Path()));
}

TEST_F(MainWindowEventsTest, APoorNetworkStopsTheInstallation) {
    ASSERT_TRUE(Main().Inspect([](SkinWindowBase* window) {
        // What the network check worker sends: the failure kind in the high
        // 16 bits.
        window->GetPaintManager().SendNotify(window->FindControl(L"winCtn"), L"checknet", 0x10000,
                                             0, true);
    }));
    const auto notice = session_.WaitForDialog(L"MessageBox2Wnd");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->Text(L"textLbl"), std::wstring(Dialogs::kPoorNetworkText));
    ASSERT_TRUE(notice->Click(L"closebtn"));
    ASSERT_TRUE(WindowTest::WaitUntilGone(L"MessageBox2Wnd"));
    EXPECT_EQ(Main().Page(L"mainTabLt"), 0);
    EXPECT_EQ(Main().Enabled(L"customeInstallBtn"), true);
}

TEST_F(MainWindowEventsTest, TheProgressPageCannotBeClosed) {
    // A download that trickles keeps the installation on the progress page.
    TestSupport::TempDir served;
    ASSERT_TRUE(TestSupport::WriteBytes(served / L"269", std::string(64 * 1024, 'p')));
    TestSupport::PackageServer server(served.Path());
    ASSERT_TRUE(server.Running());
    ASSERT_TRUE(server.AddFault(TestSupport::ServerFault("/slow/269", "throttle", 512).Always()));
    Settings().downloadUrl = server.Url("/slow/269");

    ASSERT_TRUE(Main().Click(L"customeBtn"));
    ASSERT_TRUE(WaitUntil([&] { return Main().Page(L"mainTabLt") == 1; }, 10s));
    ASSERT_TRUE(Main().Click(L"installDirEdit"));
    ASSERT_TRUE(TestSupport::PressKeys("ctrl+a"));
    ASSERT_TRUE(TestSupport::TypeText(Utils::ToUtf8(folder_.Path())));
    ASSERT_TRUE(Main().Click(L"customeInstallBtn"));
    ASSERT_TRUE(WaitUntil([&] { return Main().Page(L"mainTabLt") == 2; }, 20s));
    EXPECT_EQ(Main().Visible(L"titleGrpCtn"), false);
    EXPECT_EQ(Main().ScreenCenterOf(L"closebtn"), std::nullopt);

    ASSERT_TRUE(Main().Click(L"progressLb"));  // the keys go to the window
    ASSERT_TRUE(TestSupport::PressKeys("alt+F4"));
    PostMessageW(Main().Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(session_.WaitFinished(2s));
    EXPECT_EQ(Main().Page(L"mainTabLt"), 2);
    EXPECT_EQ(WindowTest::WaitForSkinWindow(L"ExitTipWnd", 1s), nullptr);
}

}  // namespace
