#pragma once

// The installer's gateway to usage analytics: typed business events become
// analytics records of the SDK core, each carrying the application's
// identity and environment. Texts are UTF-8.

#include <cstdint>
#include <string>

#include "analytics/tracker/track_logger.h"
#include "analytics/tracker/zr_context_properties.h"
#include "analytics/tracker/zr_events.h"

namespace vorta::analytics {

struct UsageTrackerConfig {
    std::string appName;     // required; names the tracker's folder and files
    std::string appVersion;  // required
    std::string appStore;    // required: the distribution channel
    std::string dlAppId;     // the application being downloaded, optional
    std::string dlAppVersion;
    std::string reserved;      // not used
    std::string logFilePath;   // empty: beside the tracker's config file
    std::int32_t edition = 0;  // ZrEdition
    std::string serverUrl;     // empty: the default collector
};

class UsageTracker {
public:
    virtual ~UsageTracker() = default;

    virtual void trackActivity(const ZrContextProperties& context) = 0;
    virtual void trackLaunch(const ZrContextProperties& context) = 0;
    virtual void trackLogin(const ZrUserInfo& user, bool success, const std::string& reason,
                            const ZrContextProperties& context) = 0;
    virtual void trackClick(const ZrEventClick& event, const ZrContextProperties& context) = 0;
    virtual void trackView(const ZrEventView& event, const ZrContextProperties& context) = 0;
    virtual void trackCashier(const ZrEventCashier& event, const ZrContextProperties& context) = 0;
    virtual void trackShare(const ZrEventShare& event, const ZrContextProperties& context) = 0;
    virtual void trackTask(const ZrEventTask& event, const ZrContextProperties& context) = 0;
    virtual void trackFile(const ZrEventFile& event, const ZrContextProperties& context) = 0;
    virtual void trackOrder(const ZrEventOrder& event, const ZrContextProperties& context) = 0;
    virtual void trackPayment(const ZrEventPayment& event, const ZrContextProperties& context) = 0;
    virtual void trackUninstall(const std::string& reason, const ZrContextProperties& context) = 0;
    virtual void trackCrash(const std::string& reason) = 0;
    virtual void trackUpdate(const ZrEventUpdate& event, const ZrContextProperties& context) = 0;
    virtual void trackAppOpenNotification(const ZrEventAppOpenNotification* event,
                                          const ZrContextProperties& context) = 0;
    virtual void setL10nLocale(const std::string& locale) = 0;
    virtual std::string getPrimaryDistinctId() = 0;
    virtual TrackLogger* getTrackLogger() = 0;
};

}  // namespace vorta::analytics
