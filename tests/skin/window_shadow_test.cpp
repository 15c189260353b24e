// The drop shadow following its window: it moves with the owner, follows
// its size, hides while the owner is hidden, minimised or maximised and
// comes back after, never takes activation or clicks, and a shadow object
// that goes away before its owner leaves the owner working.

#include <gtest/gtest.h>

#include <memory>

#include "tests/skin/skin_test_window.h"
#include "ui/window_shadow.h"

namespace {

RECT RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Shadow size 6 and position (1, 1), as every installer window has.
bool ShadowFollows(HWND shadow, HWND owner) {
    const RECT o = RectOf(owner);
    const RECT expected{o.left - 5, o.top - 5, o.right + 7, o.bottom + 7};
    const RECT actual = RectOf(shadow);
    return IsWindowVisible(shadow) && EqualRect(&actual, &expected);
}

bool WaitForShadow(HWND shadow, HWND owner) {
    return SkinTest::PumpUntil([&] { return ShadowFollows(shadow, owner); }, 5000);
}

bool WaitForHiddenShadow(HWND shadow) {
    return SkinTest::PumpUntil([&] { return !IsWindowVisible(shadow); }, 5000);
}

TEST(WindowShadow, FollowsItsOwnerThroughMovesSizesAndShowStates) {
    const auto window = SkinTest::ShowSkinWindow(L"ExitTipWnd.xml");
    const HWND owner = window->GetHWND();
    const HWND shadow = window->GetShadow().GetShadowWindow();
    ASSERT_NE(shadow, nullptr);
    ASSERT_TRUE(WaitForShadow(shadow, owner));

    const RECT start = RectOf(owner);
    SetWindowPos(owner, nullptr, start.left + 40, start.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitForShadow(shadow, owner)) << "moved";

    SetWindowPos(owner, nullptr, 0, 0, 420, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitForShadow(shadow, owner)) << "grown";
    SetWindowPos(owner, nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitForShadow(shadow, owner)) << "shrunk";

    const struct {
        int hide;
        const char* what;
    } states[] = {{SW_HIDE, "hidden"}, {SW_MINIMIZE, "minimised"}, {SW_MAXIMIZE, "maximised"}};
    for (const auto& state : states) {
        ShowWindow(owner, state.hide);
        EXPECT_TRUE(WaitForHiddenShadow(shadow)) << state.what;
        EXPECT_FALSE(window->GetShadow().IsShown()) << state.what;
        ShowWindow(owner, state.hide == SW_HIDE ? SW_SHOW : SW_RESTORE);
        EXPECT_TRUE(WaitForShadow(shadow, owner)) << "after " << state.what;
        EXPECT_TRUE(window->GetShadow().IsShown()) << "after " << state.what;
    }
}

TEST(WindowShadow, NeverTakesActivationOrClicks) {
    const auto window = SkinTest::ShowSkinWindow(L"MessageBox2Wnd.xml");
    const HWND owner = window->GetHWND();
    const HWND shadow = window->GetShadow().GetShadowWindow();
    ASSERT_TRUE(WaitForShadow(shadow, owner));
    EXPECT_EQ(SendMessageW(shadow, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(owner),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    EXPECT_NE(GetActiveWindow(), shadow);
    EXPECT_NE(GetFocus(), shadow);
    const RECT rim = RectOf(shadow);
    EXPECT_NE(WindowFromPoint(POINT{rim.right - 2, (rim.top + rim.bottom) / 2}), shadow)
        << "clicks pass through the shadow";
}

TEST(WindowShadow, OwnerOutlivesItsShadowObject) {
    SkinTest::PrepareSkinnedWindows();
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 200,
                                       120, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    auto shadow = std::make_unique<CWndShadow>();
    shadow->Create(owner);
    const HWND shadowWindow = shadow->GetShadowWindow();
    ASSERT_NE(shadowWindow, nullptr);
    EXPECT_TRUE(shadow->IsShown());

    shadow.reset();
    EXPECT_TRUE(SkinTest::PumpUntil([&] { return !IsWindow(shadowWindow); }, 3000));
    SetWindowPos(owner, nullptr, 150, 140, 260, 160, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(owner, SW_HIDE);
    ShowWindow(owner, SW_SHOW);
    SkinTest::PumpFor(100);
    EXPECT_TRUE(IsWindowVisible(owner));
    EXPECT_TRUE(DestroyWindow(owner));
}

}  // namespace
