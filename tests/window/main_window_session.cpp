#include "tests/window/main_window_session.h"

#include <curl/curl.h>

#include "installer/src/installer_event_record.h"
#include "installer/src/installer_settings.h"
#include "installer/src/main_wnd.h"
#include "tests/support/wait.h"
#include "ui/skin_resource_store.h"
#include "ui/window_shadow.h"

namespace WindowTest {

void PrepareProcess() {
    static const bool prepared = [] {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        InstallSkinResourceStore(instance);
        CWndShadow::Initialize(instance);
        curl_global_init(CURL_GLOBAL_ALL);
        return true;
    }();
    (void)prepared;
    Settings().isEnableAppAnalytics = false;
    Settings().isCheckNet = false;
    Settings().downloadType = 1;
    Settings().downloadUrl = kUnreachableDownloadUrl;
}

MainWindowSession::MainWindowSession() { PrepareProcess(); }

MainWindowSession::~MainWindowSession() {
    if (!started_) return;
    if (!finished_ && main_) {
        ui_.Run([window = main_->Window()] {
            if (IsWindow(window)) DestroyWindow(window);
        });
    }
    WaitFinished();
}

void MainWindowSession::Start() {
    started_ = true;
    ui_.Post([this] {
        auto window = std::make_unique<CMainWnd>();
        if (window->Create(nullptr, L"Quillora", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0) != nullptr) {
            window->CenterWindow();
            window->ShowModal();
        }
        window.reset();
        finished_ = true;
    });
}

HWND MainWindowSession::WaitShown(std::chrono::milliseconds timeout) {
    const HWND window = WaitForSkinWindow(L"MainWnd", timeout);
    if (window != nullptr) main_ = std::make_unique<SkinWindowProbe>(ui_, window);
    return window;
}

bool MainWindowSession::WaitFinished(std::chrono::milliseconds timeout) {
    return TestSupport::WaitUntil([this] { return finished_.load(); }, timeout);
}

std::unique_ptr<SkinWindowProbe> MainWindowSession::WaitForDialog(const std::wstring& className) {
    const HWND dialog = WaitForSkinWindow(className);
    return dialog != nullptr ? std::make_unique<SkinWindowProbe>(ui_, dialog) : nullptr;
}

bool MainWindowSession::PostEvent(int code, double value, const std::wstring& text) {
    return main_ && PostInstallerEvent(main_->Window(), code, value, text);
}

}  // namespace WindowTest
