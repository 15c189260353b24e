#include "installer/src/analytics_startup.h"

#include <memory>

#include "analytics/tracker/usage_tracker_impl.h"
#include "analytics/tracker/usage_tracker_wrapper.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/global_tracker.h"
#include "utils/text_encoding.h"

using vorta::analytics::UsageTrackerConfig;

UsageTrackerConfig TrackerConfigFrom(const InstallerSettings& settings) {
    UsageTrackerConfig config;
    config.appName = Utils::ToUtf8(settings.productId + settings.dlAppNameSuffix);
    config.appVersion = Utils::ToUtf8(settings.installerVersion);
    config.appStore = Utils::ToUtf8(settings.exeFileName);
    config.dlAppId = Utils::ToUtf8(settings.productId);
    config.dlAppVersion = Utils::ToUtf8(settings.dlAppVersion);
    config.edition = 0;
    return config;
}

void StartAnalytics() {
    auto tracker =
        std::make_unique<vorta::analytics::UsageTrackerImpl>(TrackerConfigFrom(Settings()));
    try {
        tracker->init();
    } catch (const std::exception& error) {
        QLOG(L"analytics init failed: %s", Utils::FromUtf8(error.what()).c_str());
    } catch (...) {
        QLOG(L"analytics init failed");
    }
    InstallGlobalTracker(
        std::make_shared<vorta::analytics::UsageTrackerWrapper>(std::move(tracker)));
}
