// With an installation registered, the main window asks at start whether to
// open the installed product or install the latest version, and does what
// the answer says; a running product ends the installer before it asks.

#include <gtest/gtest.h>
#include <windows.h>

#include "installer/src/installer_dialogs.h"
#include "tests/install/installation_registry.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/window/installed_product.h"
#include "tests/window/main_window_session.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::FileExists;
using TestSupport::WaitUntil;
using WindowTest::MainWindowSession;

class ExistingInstallationPromptTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WindowTest::CloseRunningProducts());
        ASSERT_TRUE(WindowTest::InstallPackageInto(folder_.Path()));
        ASSERT_TRUE(WindowTest::RegisterInstallation(folder_.Path()));
    }
    void TearDown() override { WindowTest::CloseRunningProducts(); }

    // Starts the window and waits for its prompt.
    std::unique_ptr<WindowTest::SkinWindowProbe> StartAndWaitForPrompt() {
        session_.Start();
        return session_.WaitForDialog(L"InstalledPathTipWnd");
    }

    TestSupport::CleanInstallRegistry registry_;
    TestSupport::TempDir folder_;
    MainWindowSession session_;
};

TEST_F(ExistingInstallationPromptTest, TheCloseButtonQuitsAtOnce) {
    const auto prompt = StartAndWaitForPrompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_NE(prompt->Screenshot("existing_installation_prompt"), L"");
    ASSERT_TRUE(prompt->Click(L"closebtn"));
    EXPECT_TRUE(session_.WaitFinished());
    EXPECT_FALSE(WindowTest::ProductStartedIn(folder_.Path()));
    EXPECT_TRUE(FileExists(folder_ / L"Quillora.exe"));
}

TEST_F(ExistingInstallationPromptTest, OpenTheProductStartsItAndQuits) {
    const auto prompt = StartAndWaitForPrompt();
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(prompt->Click(L"cancelBtn"));
    EXPECT_TRUE(session_.WaitFinished());
    EXPECT_TRUE(WaitUntil([&] { return WindowTest::ProductStartedIn(folder_.Path()); }, 20s));
}

TEST_F(ExistingInstallationPromptTest, InstallTheLatestVersionUninstallsTheOldOneFirst) {
    const auto prompt = StartAndWaitForPrompt();
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(prompt->Click(L"okBtn"));
    ASSERT_NE(session_.WaitShown(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return session_.Main().Page(L"mainTabLt") == 2; }, 20s));
    // The old uninstaller empties the folder before the download begins.
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(folder_ / L"Quillora.exe"); }, 60s));

    // This test's download cannot reach a server; "稍后再试" with an
    // installation registered ends the installer.
    const auto retry = session_.WaitForDialog(L"NetworkTipWnd");
    ASSERT_NE(retry, nullptr);
    ASSERT_TRUE(retry->Click(L"cancelBtn"));
    EXPECT_TRUE(session_.WaitFinished());
    EXPECT_FALSE(WindowTest::ProductStartedIn(folder_.Path()));
}

TEST_F(ExistingInstallationPromptTest, ARunningProductEndsTheInstallerWithoutAsking) {
    TestSupport::ChildProcess product(L"\"" + folder_ / L"Quillora.exe" + L"\"");
    ASSERT_TRUE(product.Started());
    ASSERT_TRUE(WaitUntil([&] { return WindowTest::ProductStartedIn(folder_.Path()); }, 20s));

    session_.Start();
    const auto message = session_.WaitForDialog(L"MessageBox1Wnd");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Text(L"textLbl"), std::wstring(Dialogs::kRunningProductText));
    EXPECT_EQ(message->Text(L"captionLbl"), std::wstring(Dialogs::kNoticeCaption));
    EXPECT_NE(message->Screenshot("product_running"), L"");
    ASSERT_TRUE(message->Click(L"closebtn"));
    EXPECT_TRUE(session_.WaitFinished());
    EXPECT_EQ(WindowTest::WaitForSkinWindow(L"InstalledPathTipWnd", 1s), nullptr);
}

}  // namespace
