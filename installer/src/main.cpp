// The installer's entry point: start-up and shutdown, in their fixed order.

#include <windows.h>

#include <memory>

#include "installer/src/analytics_startup.h"
#include "installer/src/crash_filter.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/dll_hardening.h"
#include "installer/src/funnel_events.h"
#include "installer/src/funnel_labels.h"
#include "installer/src/global_tracker.h"
#include "installer/src/installer_settings.h"
#include "installer/src/main_wnd.h"
#include "installer/src/single_instance.h"
#include "installer/src/transfer_library.h"
#include "ui/skin_resource_store.h"
#include "ui/window_shadow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HardenDllSearch();
    InstallCrashFilter();
    if (!TransferLibrary::Initialise()) {
        Settings().transferLibraryReady = false;
        QLOG(L"curl_global_init failed");
        Funnel::ReportTask(Funnel::kCurlInitFailed, 0.0f, L"", {{L"AB", L"IN"}});
    }

    SingleInstance singleInstance;
    if (!singleInstance.Acquire()) return -1;

    // Before the command line: its switches do not change whether a tracker
    // exists nor what it reports about the installer.
    if (Settings().isEnableAppAnalytics) StartAnalytics();
    ApplyProcessCommandLine();

    InstallSkinResourceStore(instance);
    CWndShadow::Initialize(instance);

    auto mainWindow = std::make_unique<CMainWnd>();
    if (mainWindow->Create(nullptr, L"Quillora", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0) != nullptr) {
        mainWindow->CenterWindow();
        mainWindow->ShowModal();
    }

    // Released whatever the switches said about analytics, so that its last
    // sends happen while libcurl is still up.
    QLOG(L"shutdown: releasing the analytics tracker");
    ReleaseGlobalTracker();
    QLOG(L"shutdown: releasing the transfer library");
    TransferLibrary::Cleanup();
    QLOG(L"shutdown: destroying the main window");
    mainWindow.reset();
    QLOG(L"shutdown: releasing the single-instance mutex");
    return 0;
}
