#include "installer/src/crash_filter.h"

#include <windows.h>

namespace {

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* /*exception*/) {
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void InstallCrashFilter() {
    SetUnhandledExceptionFilter(OnUnhandledException);
}
