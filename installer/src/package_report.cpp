#include "installer/src/package_report.h"

#include "installer/src/event_values.h"
#include "installer/src/runner_events.h"

bool PackageReport::Apply(int code, double value, const std::wstring& text) {
    switch (code) {
        case RunnerEvent::EXE_PATH:
            productExe = text;
            return true;
        case RunnerEvent::UNINST_EP:
            uninstallerMarker = text;
            return true;
        case RunnerEvent::START_URL:
            startUrl = text;
            return true;
        case RunnerEvent::STARTUP_STYLE:
            startupStyle = static_cast<int>(TruncateToLong(value));
            return true;
        case RunnerEvent::TOP_SHOW_DETENTION:
            topShowDelayMs = ToUnsignedMilliseconds(value);
            return true;
        case RunnerEvent::FINISH_CLOSE_DETENTION:
            finishCloseDelayMs = ToUnsignedMilliseconds(value);
            return true;
        default:
            return false;
    }
}
