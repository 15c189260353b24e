// Skinned windows on the X display: real mouse clicks, the modal loop, the
// caption band, per-control timers and queued notifications, the shared skin
// archive, and the error exit for a skin that cannot be loaded.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/child_process.h"
#include "tests/support/test_paths.h"
#include "tests/support/ui_thread.h"
#include "tests/support/wait.h"
#include "tests/support/x_display.h"
#include "ui/framework/edit.h"
#include "ui/skin_frame.h"
#include "ui/skin_resource_store.h"

namespace {

using namespace std::chrono_literals;

class TestWindow : public CSkinFrame {
public:
    explicit TestWindow(const wchar_t* skinFile = L"TestWnd.xml")
        : CSkinFrame(InstallerSkin(skinFile)) {}

    std::atomic<int> okClicks{0};

protected:
    void InitWindow() override {
        CSkinFrame::InitWindow();
        AddNotifyHandler(L"click", L"okBtn", [this](const NotifyMsg&) { ++okClicks; });
    }
};

class SkinWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallSkinResourceStore(GetModuleHandleW(nullptr)); }

    ~SkinWindow() override {
        ui_.Run([this] { windows_.clear(); });
    }

    // Creates a visible, centred window on the UI thread.
    TestWindow* Open(const wchar_t* skinFile = L"TestWnd.xml", HWND owner = nullptr) {
        windows_.push_back(std::make_unique<TestWindow>(skinFile));
        TestWindow* window = windows_.back().get();
        window->Create(owner, L"测试窗口", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0);
        window->CenterWindow();
        return window;
    }

    // Screen coordinates of the centre of a control (UI thread).
    static POINT CentreOf(TestWindow& window, const wchar_t* name) {
        const RECT& pos = window.FindControl(name)->GetPos();
        POINT centre{(pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2};
        ClientToScreen(window.GetHWND(), &centre);
        return centre;
    }

    // Clicks until `done` holds; the first click may come before X has
    // mapped the window.
    template <typename Done>
    static bool ClickUntil(POINT point, Done done) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!TestSupport::ClickAt(point)) return false;
            if (TestSupport::WaitUntil(done, 3s)) return true;
        }
        return false;
    }

    TestSupport::UiThread ui_;
    std::vector<std::unique_ptr<TestWindow>> windows_;
};

TEST_F(SkinWindow, RealMouseClickReachesTheClickHandler) {
    TestWindow* window = nullptr;
    POINT ok{};
    RECT area{};
    ASSERT_TRUE(ui_.Run([&] {
        window = Open();
        ok = CentreOf(*window, L"okBtn");
        GetWindowRect(window->GetHWND(), &area);
    }));
    ASSERT_NE(window->GetHWND(), nullptr);
    EXPECT_TRUE(ClickUntil(ok, [&] { return window->okClicks > 0; }));

    const std::wstring screenshot = TestSupport::SaveScreenshot("ui_test_window", &area);
    EXPECT_FALSE(screenshot.empty());
}

TEST_F(SkinWindow, CloseButtonEndsTheModalLoopWithCodeOne) {
    // Shared with the UI thread, which may finish the loop after the test.
    struct Loop {
        std::atomic<TestWindow*> window{nullptr};
        std::atomic<int> result{-1};
    };
    auto loop = std::make_shared<Loop>();
    ui_.Post([this, loop] {
        TestWindow* window = Open();
        // Whatever happens, the loop ends within the test's time.
        window->FindControl(L"root")->AddNotifyHandler([window](const NotifyMsg& msg) {
            if (msg.type == L"timer") window->Close(99);
        });
        window->FindControl(L"root")->SetTimer(1, 20000);
        loop->window = window;
        loop->result = static_cast<int>(window->ShowModal());
    });
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return loop->window.load() != nullptr; }, 10s));
    POINT close{};
    HWND handle = nullptr;
    ASSERT_TRUE(ui_.Run([&] {
        close = CentreOf(*loop->window, L"closebtn");
        handle = loop->window.load()->GetHWND();
    }));
    EXPECT_TRUE(ClickUntil(close, [&] { return loop->result != -1; }));
    EXPECT_EQ(loop->result, 1);
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(SkinWindow, CaptionBandDragsButItsButtonsTakeClicks) {
    ASSERT_TRUE(ui_.Run([&] {
        TestWindow* window = Open();
        HWND hwnd = window->GetHWND();
        RECT frame{};
        GetWindowRect(hwnd, &frame);
        const auto hitTest = [hwnd](POINT point) {
            return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
        };
        EXPECT_EQ(hitTest(POINT{frame.left + 150, frame.top + 10}), HTCAPTION);
        EXPECT_EQ(hitTest(CentreOf(*window, L"closebtn")), HTCLIENT);
        EXPECT_EQ(hitTest(POINT{frame.left + 150, frame.top + 60}), HTCLIENT);

        EXPECT_EQ(frame.right - frame.left, 360);
        EXPECT_EQ(frame.bottom - frame.top, 180);
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        EXPECT_EQ(style & (WS_CAPTION | WS_MAXIMIZEBOX), 0);
        EXPECT_EQ(style & WS_CLIPCHILDREN, WS_CLIPCHILDREN);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(GetWindowRgn(hwnd, region), ERROR);
        DeleteObject(region);
        EXPECT_EQ(window->GetWindowAttribute(L"showshadow"), L"true");
        EXPECT_FALSE(window->GetWindowAttribute(L"caption"));
    }));
}

TEST_F(SkinWindow, EscapeIsSwallowedAlsoInNativeChildControls) {
    ASSERT_TRUE(ui_.Run([&] {
        TestWindow* window = Open();
        bool handled = false;
        window->MessageFilter(WM_KEYDOWN, VK_ESCAPE, 0, handled);
        EXPECT_TRUE(handled);
        handled = false;
        window->MessageFilter(WM_KEYDOWN, VK_RETURN, 0, handled);
        EXPECT_FALSE(handled);

        auto* edit = static_cast<CEdit*>(window->FindControl(L"pathEdit"));
        ASSERT_NE(edit->GetNativeWindow(), nullptr);
        EXPECT_EQ(edit->GetText(), L"C:\\Program Files\\Quillora");
        MSG escape{edit->GetNativeWindow(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
        EXPECT_TRUE(CPaintManager::TranslateMessage(escape));
        MSG letter{edit->GetNativeWindow(), WM_KEYDOWN, 'A', 0, 0, {}};
        EXPECT_FALSE(CPaintManager::TranslateMessage(letter));
    }));
}

TEST_F(SkinWindow, DefaultClickHandlingMinimises) {
    ASSERT_TRUE(ui_.Run([&] {
        TestWindow* window = Open();
        window->GetPaintManager().SendNotify(window->FindControl(L"minbtn"), L"click");
        EXPECT_TRUE(IsIconic(window->GetHWND()));
    }));
}

TEST_F(SkinWindow, TakesItsIconsFromTheIconResource) {
    ASSERT_TRUE(ui_.Run([&] {
        TestWindow* window = Open();
        window->SetIcon(IDI_QUILLORA);
        EXPECT_NE(SendMessageW(window->GetHWND(), WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageW(window->GetHWND(), WM_GETICON, ICON_SMALL, 0), 0);
    }));
}

TEST_F(SkinWindow, ControlTimersFireStopAndReArm) {
    CControl* root = nullptr;
    CControl* label = nullptr;
    std::atomic<int> rootTicks{0};
    std::atomic<int> labelTicks{0};
    ASSERT_TRUE(ui_.Run([&] {
        TestWindow* window = Open();
        root = window->FindControl(L"root");
        label = window->FindControl(L"textLbl");
        window->AddNotifyHandler(L"timer", L"", [&](const NotifyMsg& msg) {
            if (msg.sender == root && msg.wParam == 7) ++rootTicks;
            if (msg.sender == label && msg.wParam == 8) ++labelTicks;
        });
        EXPECT_TRUE(root->SetTimer(7, 20));
        EXPECT_TRUE(label->SetTimer(8, 20));
    }));
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return rootTicks >= 3 && labelTicks >= 3; }, 10s));

    int stoppedAt = 0;
    ASSERT_TRUE(ui_.Run([&] {
        EXPECT_TRUE(root->KillTimer(7));
        EXPECT_FALSE(root->KillTimer(7));
        stoppedAt = rootTicks;
    }));
    const int labelBefore = labelTicks;
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return labelTicks >= labelBefore + 5; }, 10s));
    EXPECT_EQ(rootTicks, stoppedAt);

    ASSERT_TRUE(ui_.Run([&] { EXPECT_TRUE(root->SetTimer(7, 20)); }));
    EXPECT_TRUE(TestSupport::WaitUntil([&] { return rootTicks > stoppedAt; }, 10s));
}

TEST_F(SkinWindow, QueuedNotificationsArriveOnTheUiThreadInOrder) {
    TestWindow* window = nullptr;
    std::vector<WPARAM> received;
    std::vector<DWORD> threads;
    std::atomic<size_t> count{0};
    ASSERT_TRUE(ui_.Run([&] {
        window = Open();
        window->AddNotifyHandler(L"checknet", L"", [&](const NotifyMsg& msg) {
            received.push_back(msg.wParam);
            threads.push_back(GetCurrentThreadId());
            ++count;
        });
    }));
    CControl* root = window->FindControl(L"root");
    std::thread worker([&] {
        for (WPARAM value = 1; value <= 3; ++value) {
            window->GetPaintManager().SendNotify(root, L"checknet", value, 0, true);
        }
    });
    worker.join();
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return count == 3; }, 10s));

    // Without repeats, a waiting notification of the same sender and type
    // takes the newer values.
    ASSERT_TRUE(ui_.Run([&] {
        for (WPARAM value = 4; value <= 6; ++value) {
            window->GetPaintManager().SendNotify(root, L"checknet", value, 0, true, false);
        }
    }));
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return count == 4; }, 10s));
    ASSERT_TRUE(ui_.Run([&] {
        EXPECT_EQ(received, (std::vector<WPARAM>{1, 2, 3, 6}));
        for (DWORD thread : threads) EXPECT_EQ(thread, ui_.Id());
    }));
}

TEST_F(SkinWindow, SecondWindowReusesTheOpenArchive) {
    ASSERT_TRUE(ui_.Run([&] {
        TestWindow* first = Open();
        const CSevenZipArchive* archive = SkinResourceStore().Archive();
        ASSERT_NE(archive, nullptr);
        EXPECT_EQ(SkinResourceStore().ArchiveName(), L"membuffer");
        TestWindow* dialog = Open(L"ExitTipWnd.xml", first->GetHWND());
        EXPECT_EQ(SkinResourceStore().Archive(), archive);
        EXPECT_NE(dialog->FindControl(L"exitRoot"), nullptr);
        EXPECT_EQ(GetWindow(dialog->GetHWND(), GW_OWNER), first->GetHWND());
    }));
}

BOOL CALLBACK FindErrorText(HWND child, LPARAM found) {
    wchar_t text[64] = {};
    GetWindowTextW(child, text, 64);
    if (std::wstring(text) == L"加载资源文件失败") *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

TEST(SkinLoadFailure, ShowsTheErrorMessageAndExitsWithOne) {
    TestSupport::ChildProcess app(L"\"" + TestSupport::BuildDir() +
                                  L"\\tests\\ui\\ui_missing_skin_app.exe\"");
    ASSERT_TRUE(app.Started());
    HWND box = TestSupport::WaitForWindow(app.Id(), L"SkinUI", 20s);
    ASSERT_NE(box, nullptr);
    bool textShown = false;
    EnumChildWindows(box, FindErrorText, reinterpret_cast<LPARAM>(&textShown));
    EXPECT_TRUE(textShown);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(app.Wait(20s), 1u);
}

}  // namespace
