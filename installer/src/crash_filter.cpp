#include "installer/src/crash_filter.h"

#include <windows.h>

#include "installer/src/funnel_events.h"
#include "installer/src/funnel_labels.h"

namespace {

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* /*exception*/) {
    Funnel::ReportTask(Funnel::kCrashExit, 0.0f, L"", {{L"AB", L"IN"}});
    Funnel::ReportCrash();
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void InstallCrashFilter() {
    SetUnhandledExceptionFilter(OnUnhandledException);
}
