// The six installer windows on screen: built from the linked skin archive,
// their named controls where the layout puts them, their drop shadow
// following them at the configured size, and a screenshot of each in the
// build folder (skin-screenshots/) for a person to look at.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/skin/screen_capture.h"
#include "tests/skin/skin_test_window.h"
#include "tests/support/test_paths.h"
#include "ui/framework/gdi_handles.h"
#include "ui/framework/progress.h"
#include "ui/framework/tab_layout.h"

namespace {

using SkinTest::SkinTestWindow;

struct Placed {
    const wchar_t* name;
    RECT pos;  // client coordinates
};

enum class Look { Blue, Light, Dark };

struct Screen {
    const wchar_t* skinFile;
    const wchar_t* screenshot;
    std::function<void(SkinTestWindow&)> prepare;
    // A point (client coordinates) that shows `look` once the window is on
    // screen: inside a button or the hint, clear of their text.
    POINT probe;
    Look look;
    std::vector<Placed> controls;
};

void SelectPage(SkinTestWindow& window, const wchar_t* tab, int page) {
    static_cast<CTabLayout*>(window.FindControl(tab))->SelectItem(page, false);
}

void SetText(SkinTestWindow& window, const wchar_t* name, const wchar_t* text) {
    window.FindControl(name)->SetText(text);
}

const std::vector<Screen>& Screens() {
    static const std::vector<Screen> screens{
        {L"MainWnd.xml",
         L"MainWnd-page0",
         [](SkinTestWindow&) {},
         {193, 242},
         Look::Blue,
         {{L"winCtn", {0, 0, 600, 400}},
          {L"titleTabLt", {10, 0, 210, 45}},
          {L"titleGrpCtn", {508, 20, 580, 44}},
          {L"minbtn", {508, 20, 532, 44}},
          {L"closebtn", {556, 20, 580, 44}},
          {L"mainTabLt", {1, 45, 599, 400}},
          {L"defaultInstallBtn", {183, 217, 417, 267}},
          {L"treatyCb", {21, 361, 89, 379}},
          {L"treatyBtn", {89, 361, 255, 379}},
          {L"customeBtn", {489, 361, 589, 381}}}},
        {L"MainWnd.xml",
         L"MainWnd-page0-hint",
         [](SkinTestWindow& window) { window.FindControl(L"tipLbl")->SetVisible(true); },
         {15, 335},
         Look::Dark,
         {{L"tipLbl", {11, 325, 127, 357}}}},
        {L"MainWnd.xml",
         L"MainWnd-page1",
         [](SkinTestWindow& window) {
             SelectPage(window, L"mainTabLt", 1);
             SelectPage(window, L"titleTabLt", 1);
             SetText(window, L"installDirEdit", L"C:\\Program Files\\Quillora");
         },
         {485, 199},
         Look::Blue,
         {{L"backBtn", {10, 11, 74, 41}},
          {L"installDirEdit", {129, 181, 469, 217}},
          {L"chDirBtn", {479, 181, 560, 217}},
          {L"createDSCb", {125, 237, 263, 255}},
          {L"createQSCb", {283, 237, 421, 255}},
          {L"customeInstallBtn", {183, 304, 417, 354}}}},
        {L"MainWnd.xml",
         L"MainWnd-page2",
         [](SkinTestWindow& window) {
             SelectPage(window, L"mainTabLt", 2);
             window.FindControl(L"titleGrpCtn")->SetVisible(false);
             static_cast<CProgress*>(window.FindControl(L"installPrg"))->SetValue(40);
             SetText(window, L"progressLb", L"正在安装中:40%，请稍候...");
         },
         {300, 155},
         Look::Blue,
         {{L"progressAnLb", {222, 78, 378, 232}},
          {L"progressLb", {120, 300, 480, 324}},
          {L"installPrg", {40, 344, 560, 352}}}},
        {L"MainWnd.xml",
         L"MainWnd-page3",
         [](SkinTestWindow& window) {
             SelectPage(window, L"mainTabLt", 3);
             SelectPage(window, L"titleTabLt", 2);
         },
         {193, 319},
         Look::Blue,
         {{L"openProduceBtn", {183, 294, 417, 344}}}},
        {L"MessageBox1Wnd.xml",
         L"MessageBox1Wnd",
         [](SkinTestWindow& window) {
             SetText(window, L"captionLbl", L"温馨提示");
             SetText(window, L"textLbl", L"安装程序检测到Quillora\r\n正在运行，请退出程序后再安装");
         },
         {169, 15},
         Look::Light,
         {{L"captionLbl", {10, 0, 328, 30}},
          {L"closebtn", {328, 3, 352, 27}},
          {L"textLbl", {1, 30, 359, 180}}}},
        {L"MessageBox2Wnd.xml",
         L"MessageBox2Wnd",
         [](SkinTestWindow& window) {
             SetText(window, L"captionLbl", L"温馨提示");
             SetText(window, L"textLbl", L"当前磁盘剩余空间低于1GB，请修改安装路径");
         },
         {167, 15},
         Look::Light,
         {{L"captionLbl", {10, 0, 324, 30}},
          {L"closebtn", {324, 3, 348, 27}},
          {L"textLbl", {1, 31, 359, 179}}}},
        {L"InstalledPathTipWnd.xml",
         L"InstalledPathTipWnd",
         [](SkinTestWindow&) {},
         {252, 144},
         Look::Blue,
         {{L"closebtn", {364, 3, 388, 27}},
          {L"cancelBtn", {131, 128, 231, 160}},
          {L"okBtn", {246, 128, 356, 160}}}},
        {L"NetworkTipWnd.xml",
         L"NetworkTipWnd",
         [](SkinTestWindow&) {},
         {274, 146},
         Look::Blue,
         {{L"closebtn", {324, 3, 348, 27}},
          {L"cancelBtn", {182, 130, 258, 162}},
          {L"okBtn", {268, 130, 344, 162}}}},
        {L"ExitTipWnd.xml",
         L"ExitTipWnd",
         [](SkinTestWindow&) {},
         {269, 146},
         Look::Blue,
         {{L"VerticalLayoutUI1", {0, 0, 360, 180}},
          {L"closebtn", {324, 8, 348, 32}},
          {L"abcc", {95, 70, 255, 110}},
          {L"okBtn", {167, 130, 243, 162}},
          {L"cancelBtn", {263, 130, 339, 162}}}},
    };
    return screens;
}

bool Shows(uint32_t pixel, Look look) {
    const int red = (pixel >> 16) & 0xFF;
    const int green = (pixel >> 8) & 0xFF;
    const int blue = pixel & 0xFF;
    switch (look) {
        case Look::Blue:
            return blue > 0x90 && blue > red + 0x40;
        case Look::Light:
            return red > 0xE0 && green > 0xE0 && blue > 0xE0;
        case Look::Dark:
            return red < 0x70 && green < 0x70 && blue < 0x70;
    }
    return false;
}

RECT ScreenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring ScreenshotPath(const std::wstring& name) {
    const std::wstring folder = TestSupport::BuildDir() + L"\\skin-screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name + L".png";
}

// The shadow of the shipped layouts: 6 pixels beyond the window on each
// side, moved by (1, 1), so 5 pixels left of and above the window.
RECT ExpectedShadowRect(const RECT& owner) {
    return RECT{owner.left - 5, owner.top - 5, owner.right + 7, owner.bottom + 7};
}

// A plain, desktop-coloured window under the whole screen, so that the
// screenshots show the soft shadow as it looks on a user's desktop.
class Backdrop {
public:
    Backdrop() {
        static const SkinUI::ScopedBrush brush(CreateSolidBrush(RGB(0xDD, 0xE3, 0xEA)));
        static const ATOM windowClass = [] {
            WNDCLASSW description{};
            description.lpfnWndProc = DefWindowProcW;
            description.hInstance = GetModuleHandleW(nullptr);
            description.hbrBackground = brush.Get();
            description.lpszClassName = L"SkinTestBackdrop";
            return RegisterClassW(&description);
        }();
        window_ =
            CreateWindowExW(WS_EX_NOACTIVATE, MAKEINTATOM(windowClass), L"", WS_POPUP | WS_VISIBLE,
                            0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        UpdateWindow(window_);
    }
    ~Backdrop() { DestroyWindow(window_); }
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;

private:
    HWND window_;
};

class SkinWindows : public testing::TestWithParam<size_t> {};

TEST_P(SkinWindows, ControlsSitWhereTheLayoutPutsThemUnderAShadow) {
    const Screen& screen = Screens()[GetParam()];
    SCOPED_TRACE(testing::Message() << screen.screenshot);
    const Backdrop backdrop;
    const auto window = SkinTest::ShowSkinWindow(screen.skinFile);
    const HWND hwnd = window->GetHWND();
    ASSERT_NE(hwnd, nullptr);
    screen.prepare(*window);

    const RECT owner = ScreenRectOf(hwnd);
    const HWND shadow = window->GetShadow().GetShadowWindow();
    ASSERT_NE(shadow, nullptr);
    const RECT expectedShadow = ExpectedShadowRect(owner);
    EXPECT_TRUE(SkinTest::PumpUntil(
        [&] {
            const RECT actual = ScreenRectOf(shadow);
            return IsWindowVisible(shadow) && EqualRect(&actual, &expectedShadow);
        },
        5000))
        << "shadow at " << ScreenRectOf(shadow).left << "," << ScreenRectOf(shadow).top;
    EXPECT_EQ(ClassOf(shadow), L"SkinShadowWnd");
    EXPECT_EQ(GetWindow(shadow, GW_OWNER), hwnd);
    const LONG exStyle = GetWindowLongW(shadow, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT), WS_EX_LAYERED | WS_EX_TRANSPARENT);

    for (const Placed& placed : screen.controls) {
        const CControl* control = window->FindControl(placed.name);
        ASSERT_NE(control, nullptr) << placed.name;
        const RECT& pos = control->GetPos();
        EXPECT_TRUE(EqualRect(&pos, &placed.pos))
            << placed.name << " at " << pos.left << "," << pos.top << "," << pos.right << ","
            << pos.bottom;
    }

    // The screenshot takes in the shadow around the window.
    const RECT area{owner.left - 16, owner.top - 16, owner.right + 16, owner.bottom + 16};
    const POINT probePoint{owner.left + screen.probe.x - area.left,
                           owner.top + screen.probe.y - area.top};
    SkinTest::Capture capture;
    SkinTest::Capture previous;
    EXPECT_TRUE(SkinTest::PumpUntil(
        [&] {
            previous = std::move(capture);
            capture = SkinTest::CaptureScreen(area);
            return capture.width > 0 &&
                   Shows(capture.At(probePoint.x, probePoint.y), screen.look) &&
                   capture == previous;
        },
        5000))
        << "the window did not show on screen";
    EXPECT_TRUE(SkinTest::SavePng(capture, ScreenshotPath(screen.screenshot)));
}

INSTANTIATE_TEST_SUITE_P(Installer, SkinWindows, testing::Range<size_t>(0, Screens().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                             std::string name;
                             for (const wchar_t c :
                                  std::wstring(Screens()[info.param].screenshot)) {
                                 if (iswalnum(c)) name += static_cast<char>(c);
                             }
                             return name;
                         });

}  // namespace
