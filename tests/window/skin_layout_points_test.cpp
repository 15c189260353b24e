// The button places that out-of-process tests click at are where the shipped
// layouts put the buttons.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "installer/src/installer_dialogs.h"
#include "installer/src/runner_events.h"
#include "tests/install/installation_registry.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/window/main_window_session.h"
#include "tests/window/skin_layout_points.h"
#include "utils/install_registry.h"

namespace {

using namespace std::chrono_literals;

std::string Text(POINT point) {
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

// The control's centre relative to its window, as text for readable failures.
std::string ClientCenterOf(WindowTest::SkinWindowProbe& probe, const wchar_t* control) {
    const auto center = probe.ScreenCenterOf(control);
    if (!center) return "missing";
    RECT window{};
    GetWindowRect(probe.Window(), &window);
    return Text(POINT{center->x - window.left, center->y - window.top});
}

TEST(SkinLayoutPointsTest, MainWindowButtons) {
    TestSupport::CleanInstallRegistry registry;
    TestSupport::TempDir folder;
    WindowTest::MainWindowSession session;
    session.Start();
    ASSERT_NE(session.WaitShown(), nullptr);
    EXPECT_EQ(ClientCenterOf(session.Main(), L"defaultInstallBtn"), Text(SkinPoints::kInstallNow));
    ASSERT_TRUE(session.PostEvent(RunnerEvent::INST_PATH, 0, folder.Path()));
    ASSERT_TRUE(session.PostEvent(RunnerEvent::INSTALL_SUCCESS, 0));
    ASSERT_TRUE(
        TestSupport::WaitUntil([&] { return session.Main().Page(L"mainTabLt") == 3; }, 10s));
    EXPECT_EQ(ClientCenterOf(session.Main(), L"openProduceBtn"), Text(SkinPoints::kOpenProduct));
}

TEST(SkinLayoutPointsTest, DialogButtons) {
    struct Case {
        std::function<void()> show;
        const wchar_t* className;
        const wchar_t* button;
        POINT point;
    };
    const Case cases[] = {
        {[] { Dialogs::AskAfterDownloadFailure(nullptr); }, L"NetworkTipWnd", L"cancelBtn",
         SkinPoints::kTryLater},
        {[] { Dialogs::ShowNotice(nullptr, Dialogs::kInstallFailedText); }, L"MessageBox2Wnd",
         L"closebtn", SkinPoints::kNoticeClose},
        {[] { Dialogs::AskAboutExistingInstallation(nullptr); }, L"InstalledPathTipWnd", L"okBtn",
         SkinPoints::kInstallLatest},
    };
    WindowTest::PrepareProcess();
    TestSupport::UiThread ui;
    for (const Case& c : cases) {
        ui.Post(c.show);
        const HWND dialog = WindowTest::WaitForSkinWindow(c.className);
        ASSERT_NE(dialog, nullptr);
        WindowTest::SkinWindowProbe probe(ui, dialog);
        EXPECT_EQ(ClientCenterOf(probe, c.button), Text(c.point));
        ASSERT_TRUE(probe.Click(L"closebtn"));
        EXPECT_TRUE(WindowTest::WaitUntilGone(c.className));
    }
}

}  // namespace
