#include "installer/src/funnel_events.h"

#include <memory>

#include "analytics/tracker/zr_exception.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/global_tracker.h"
#include "installer/src/installer_settings.h"
#include "utils/text_encoding.h"

namespace Funnel {

namespace {

using namespace vorta::analytics;

constexpr wchar_t kAbKey[] = L"AB";
constexpr char kCrashReason[] = "崩溃";

// The tracker to report to, or null while analytics is off or no tracker
// exists.
std::shared_ptr<UsageTracker> ActiveTracker() {
    if (!Settings().isEnableAppAnalytics) return nullptr;
    return GlobalTracker();
}

// The A/B group of `properties` for events of `kind`. A group the check
// refuses is left out: the event still counts in the funnel.
ZrContextProperties ContextFor(const Properties& properties, ZrEventKind kind) {
    ZrContextProperties context;
    const auto group = properties.find(kAbKey);
    if (group == properties.end()) return context;
    const std::string value = Utils::ToUtf8(group->second);
    try {
        if (ZrContextProperties::isValidABValue(value)) {
            context.setProperty(AbPropertyName(), value, {static_cast<int>(kind)});
        }
    } catch (const ZrException& error) {
        QLOG(L"A/B group \"%s\" left out: %s", group->second.c_str(),
             Utils::FromUtf8(error.what()).c_str());
    }
    return context;
}

}  // namespace

void ReportTask(const std::wstring& label, float elapsed, const std::wstring& reason,
                const Properties& properties) {
    const auto tracker = ActiveTracker();
    if (!tracker) return;
    ZrEventTask event;
    event.name = Utils::ToUtf8(label);
    event.reason = Utils::ToUtf8(reason);
    event.elapsed = std::make_shared<float>(elapsed);
    event.result = std::make_shared<ZrResult>(ZrResult::Success);
    tracker->trackTask(event, ContextFor(properties, ZrEventKind::Task));
}

void ReportClick(const std::wstring& label, const Properties& properties) {
    const auto tracker = ActiveTracker();
    if (!tracker) return;
    ZrEventClick event;
    event.name = Utils::ToUtf8(label);
    event.clickType = ClickType::Button;
    tracker->trackClick(event, ContextFor(properties, ZrEventKind::Click));
}

void ReportView(const std::wstring& label, const Properties& properties) {
    const auto tracker = ActiveTracker();
    if (!tracker) return;
    ZrEventView event;
    event.name = Utils::ToUtf8(label);
    tracker->trackView(event, ContextFor(properties, ZrEventKind::View));
}

void ReportCrash() {
    if (const auto tracker = ActiveTracker()) tracker->trackCrash(kCrashReason);
}

}  // namespace Funnel
