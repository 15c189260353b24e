// A skinned frame whose layout asks for a shadow, in a program that never
// initialised shadows (this test program never calls
// CWndShadow::Initialize): the frame is built and follows moves and sizes
// like any other window, just without a shadow.

#include <gtest/gtest.h>

#include <cwchar>

#include "tests/skin/skin_content.h"
#include "tests/skin/skin_test_window.h"

namespace {

BOOL CALLBACK NoteShadowWindow(HWND window, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    *reinterpret_cast<bool*>(found) |= wcscmp(name, CWndShadow::kWindowClass) == 0;
    return TRUE;
}

bool ThreadHasShadowWindow() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), NoteShadowWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(FrameWithoutShadowSupport, WorksWithoutAShadowWindow) {
    SkinContent::Store();
    SkinTest::SkinTestWindow window(L"MessageBox1Wnd.xml");
    ASSERT_NE(window.Create(nullptr, L"Quillora", WS_OVERLAPPEDWINDOW, 0), nullptr);
    ASSERT_EQ(window.GetWindowAttribute(L"showshadow"), L"true");
    EXPECT_EQ(window.GetShadow().GetShadowWindow(), nullptr);
    EXPECT_FALSE(window.GetShadow().IsShown());
    EXPECT_FALSE(ThreadHasShadowWindow());

    const HWND hwnd = window.GetHWND();
    EXPECT_TRUE(SetWindowPos(hwnd, nullptr, 120, 90, 400, 200, SWP_NOZORDER | SWP_NOACTIVATE));
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.right - rect.left, 400);
    EXPECT_NE(window.FindControl(L"closebtn"), nullptr);
    EXPECT_TRUE(DestroyWindow(hwnd));
}

}  // namespace
