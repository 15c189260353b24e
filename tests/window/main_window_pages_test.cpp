// The main window's first pages with real clicks: the licence agreement and
// its hint, the custom-install page with a typed or picked folder, and the
// close button with its confirmation.

#include <gtest/gtest.h>
#include <windows.h>

#include "installer/src/existing_installation.h"
#include "tests/install/installation_registry.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/x_display.h"
#include "tests/window/main_window_session.h"
#include "utils/text_encoding.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::FileExists;
using TestSupport::WaitUntil;
using WindowTest::MainWindowSession;
using WindowTest::SkinWindowProbe;

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring DefaultInstallFolder() {
    ExistingInstallation installation;
    installation.ReadRegistered();
    return installation.DefaultInstallFolder();
}

template <typename T>
bool WaitForValue(const std::function<std::optional<T>()>& read, const T& expected,
                  std::chrono::milliseconds timeout = 10s) {
    return WaitUntil([&] { return read() == std::optional<T>(expected); }, timeout);
}

class MainWindowPagesTest : public testing::Test {
protected:
    void SetUp() override {
        session_.Start();
        ASSERT_NE(session_.WaitShown(), nullptr);
    }

    SkinWindowProbe& Main() { return session_.Main(); }

    bool WaitForPage(int page) {
        return WaitForValue<int>([&] { return Main().Page(L"mainTabLt"); }, page, 20s);
    }

    // Replaces the text of the folder field by typing, as a user does.
    bool TypeFolder(const std::string& folder) {
        return Main().Click(L"installDirEdit") && TestSupport::PressKeys("ctrl+a") &&
               TestSupport::TypeText(folder) &&
               WaitForValue<std::wstring>([&] { return Main().Text(L"installDirEdit"); },
                                          Utils::FromUtf8(folder));
    }

    // The download of this test cannot reach a server: the retry prompt
    // follows, and "稍后再试" returns to the page the installation came from.
    void AnswerDownloadFailureWithLater(int expectedPage) {
        const auto prompt = session_.WaitForDialog(L"NetworkTipWnd");
        ASSERT_NE(prompt, nullptr);
        ASSERT_TRUE(prompt->Click(L"cancelBtn"));
        EXPECT_TRUE(WindowTest::WaitUntilGone(L"NetworkTipWnd"));
        EXPECT_TRUE(WaitForPage(expectedPage));
    }

    TestSupport::CleanInstallRegistry registry_;
    MainWindowSession session_;
};

TEST_F(MainWindowPagesTest, WithoutTheAgreementInstallOnlyShowsTheHint) {
    const std::wstring defaultFolder = DefaultInstallFolder();
    TestSupport::RemoveTree(defaultFolder);
    EXPECT_NE(Main().Screenshot("main_page0"), L"");
    EXPECT_EQ(Main().Visible(L"tipLbl"), false);

    ASSERT_TRUE(Main().Click(L"treatyCb"));
    ASSERT_TRUE(WaitForValue<bool>([&] { return Main().Selected(L"treatyCb"); }, false));
    EXPECT_EQ(Main().Selected(L"treatyBtn"), false);
    EXPECT_EQ(Main().Enabled(L"customeBtn"), false);

    ASSERT_TRUE(Main().Click(L"defaultInstallBtn"));
    ASSERT_TRUE(WaitForValue<bool>([&] { return Main().Visible(L"tipLbl"); }, true));
    EXPECT_EQ(Main().Page(L"mainTabLt"), 0);
    EXPECT_FALSE(FolderExists(defaultFolder));
    EXPECT_NE(Main().Screenshot("main_agreement_hint"), L"");

    // The licence link toggles nothing.
    ASSERT_TRUE(Main().Click(L"treatyBtn"));
    ASSERT_TRUE(Main().Click(L"treatyBtn"));
    EXPECT_EQ(Main().Selected(L"treatyBtn"), false);
    EXPECT_EQ(Main().Selected(L"treatyCb"), false);

    ASSERT_TRUE(Main().Click(L"treatyCb"));
    ASSERT_TRUE(WaitForValue<bool>([&] { return Main().Visible(L"tipLbl"); }, false));
    EXPECT_EQ(Main().Selected(L"treatyBtn"), true);
    EXPECT_EQ(Main().Enabled(L"customeBtn"), true);
}

TEST_F(MainWindowPagesTest, ATypedFolderGetsItsOwnQuilloraFolder) {
    TestSupport::TempDir parent;
    ASSERT_TRUE(Main().Click(L"customeBtn"));
    ASSERT_TRUE(WaitForPage(1));
    EXPECT_EQ(Main().Visible(L"backBtn"), true);
    EXPECT_EQ(Main().Text(L"installDirEdit"), DefaultInstallFolder());
    EXPECT_NE(Main().Screenshot("main_page1"), L"");

    const std::wstring typed = parent / L"typed";
    ASSERT_TRUE(TypeFolder(Utils::ToUtf8(typed)));
    ASSERT_TRUE(Main().Click(L"customeInstallBtn"));
    ASSERT_TRUE(WaitForPage(2));
    EXPECT_TRUE(FolderExists(typed + L"\\Quillora"));
    EXPECT_EQ(Main().Visible(L"titleGrpCtn"), false);
    EXPECT_NE(Main().Screenshot("main_page2"), L"");
    AnswerDownloadFailureWithLater(1);
}

TEST_F(MainWindowPagesTest, TheDefaultFolderStaysAsItIs) {
    const std::wstring defaultFolder = DefaultInstallFolder();
    TestSupport::RemoveTree(defaultFolder);
    ASSERT_TRUE(Main().Click(L"customeBtn"));
    ASSERT_TRUE(WaitForPage(1));
    ASSERT_TRUE(Main().Click(L"customeInstallBtn"));
    ASSERT_TRUE(WaitForPage(2));
    EXPECT_TRUE(FolderExists(defaultFolder));
    EXPECT_FALSE(FolderExists(defaultFolder + L"\\Quillora"));
    AnswerDownloadFailureWithLater(1);
    TestSupport::RemoveTree(defaultFolder);
}

TEST_F(MainWindowPagesTest, APickedFolderGetsItsOwnQuilloraFolder) {
    ASSERT_TRUE(Main().Click(L"customeBtn"));
    ASSERT_TRUE(WaitForPage(1));
    ASSERT_TRUE(Main().Click(L"chDirBtn"));
    const HWND browser = WindowTest::WaitForSkinWindow(L"#32770");
    ASSERT_NE(browser, nullptr);
    SkinWindowProbe(session_.Ui(), browser).Screenshot("folder_browser");
    ASSERT_TRUE(TestSupport::PressKeys("Return"));
    ASSERT_TRUE(WindowTest::WaitUntilGone(L"#32770"));
    const auto picked = Main().Text(L"installDirEdit");
    ASSERT_TRUE(picked.has_value());
    ASSERT_NE(*picked, DefaultInstallFolder());
    ASSERT_FALSE(picked->empty());

    ASSERT_TRUE(Main().Click(L"customeInstallBtn"));
    ASSERT_TRUE(WaitForPage(2));
    EXPECT_TRUE(FolderExists(*picked + L"\\Quillora"));
    AnswerDownloadFailureWithLater(1);
    TestSupport::RemoveTree(*picked + L"\\Quillora");
}

TEST_F(MainWindowPagesTest, TheCloseButtonAsksAndTheAnswerIsRespected) {
    for (const wchar_t* stay : {L"cancelBtn", L"closebtn"}) {
        SCOPED_TRACE(stay);
        ASSERT_TRUE(Main().Click(L"closebtn"));
        const auto confirmation = session_.WaitForDialog(L"ExitTipWnd");
        ASSERT_NE(confirmation, nullptr);
        confirmation->Screenshot("exit_tip");
        // Escape does not end a dialog.
        ASSERT_TRUE(TestSupport::PressKeys("Escape"));
        ASSERT_TRUE(confirmation->Click(stay));
        ASSERT_TRUE(WindowTest::WaitUntilGone(L"ExitTipWnd"));
        EXPECT_FALSE(session_.Finished());
        EXPECT_TRUE(Main().Exists());
    }
    ASSERT_TRUE(Main().Click(L"closebtn"));
    const auto confirmation = session_.WaitForDialog(L"ExitTipWnd");
    ASSERT_NE(confirmation, nullptr);
    ASSERT_TRUE(confirmation->Click(L"okBtn"));
    EXPECT_TRUE(session_.WaitFinished());
}

}  // namespace
