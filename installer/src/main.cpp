// The installer's entry point: start-up and shutdown, in their fixed order.

#include <windows.h>

#include <memory>

#include "installer/src/crash_filter.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/dll_hardening.h"
#include "installer/src/funnel_events.h"
#include "installer/src/installer_settings.h"
#include "installer/src/modal_loop.h"
#include "installer/src/plain_main_window.h"
#include "installer/src/single_instance.h"
#include "installer/src/transfer_library.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HardenDllSearch();
    InstallCrashFilter();
    if (!TransferLibrary::Initialise()) {
        Settings().transferLibraryReady = false;
        QLOG(L"curl_global_init failed");
        Funnel::ReportTask(L"libcurl初始化失败", 0.0f, L"", {{L"AB", L"IN"}});
    }

    SingleInstance singleInstance;
    if (!singleInstance.Acquire()) return -1;

    ApplyProcessCommandLine();

    auto mainWindow = std::make_unique<PlainMainWindow>();
    if (mainWindow->Create(instance)) RunModalLoop(mainWindow->Handle(), nullptr);

    QLOG(L"shutdown: releasing the transfer library");
    TransferLibrary::Cleanup();
    QLOG(L"shutdown: destroying the main window");
    mainWindow.reset();
    QLOG(L"shutdown: releasing the single-instance mutex");
    return 0;
}
