#include "installer/src/funnel_events.h"

#include "installer/src/installer_settings.h"

namespace Funnel {
namespace {

// Reports go out only while analytics is on and a tracker exists; start-up
// creates the tracker once analytics is wired in.
bool ReportingEnabled() {
    return Settings().isEnableAppAnalytics;
}

}  // namespace

void ReportTask(const std::wstring&, float, const std::wstring&, const Properties&) {
    if (!ReportingEnabled()) return;
}

void ReportClick(const std::wstring&, const Properties&) {
    if (!ReportingEnabled()) return;
}

void ReportView(const std::wstring&, const Properties&) {
    if (!ReportingEnabled()) return;
}

void ReportCrash() {
    if (!ReportingEnabled()) return;
}

}  // namespace Funnel
