#pragma once

// The tracker: turns business events into SDK-core records with the
// application's super properties, keeps the device and user identity in its
// config file, updates the user profile and decides when queued records go
// to the collector. Event operations raise ZrException for bad input
// before anything is queued; any thread may call them.

#include <memory>
#include <string>

#include "analytics/core/value_node.h"
#include "analytics/tracker/flush_scheduler.h"
#include "analytics/tracker/track_logger.h"
#include "analytics/tracker/tracker_identity.h"
#include "analytics/tracker/usage_tracker.h"

namespace vorta::analytics {

struct UsageTrackerState {
    // Changed only by init, trackLogin and trackPayment.
    TrackerIdentity identity;
    std::string logFilePath;
    std::string locale;
    std::string stagingDir;
    std::string configPath;
    FlushScheduler flush;
};

class UsageTrackerImpl : public UsageTracker {
public:
    // Copies the configuration; touches no file.
    explicit UsageTrackerImpl(UsageTrackerConfig config);
    // Sends what is pending, keeps the rest for the next run and shuts the
    // SDK core down.
    ~UsageTrackerImpl() override;
    UsageTrackerImpl(const UsageTrackerImpl&) = delete;
    UsageTrackerImpl& operator=(const UsageTrackerImpl&) = delete;

    // Prepares the files, the identity, the SDK core and the super
    // properties; raises ZrException when the configuration or the SDK core
    // refuses. The tracker stays usable with whatever init completed.
    void init();

    void trackActivity(const ZrContextProperties& context) override;
    void trackLaunch(const ZrContextProperties& context) override;
    void trackLogin(const ZrUserInfo& user, bool success, const std::string& reason,
                    const ZrContextProperties& context) override;
    void trackClick(const ZrEventClick& event, const ZrContextProperties& context) override;
    void trackView(const ZrEventView& event, const ZrContextProperties& context) override;
    void trackCashier(const ZrEventCashier& event, const ZrContextProperties& context) override;
    void trackShare(const ZrEventShare& event, const ZrContextProperties& context) override;
    void trackTask(const ZrEventTask& event, const ZrContextProperties& context) override;
    void trackFile(const ZrEventFile& event, const ZrContextProperties& context) override;
    void trackOrder(const ZrEventOrder& event, const ZrContextProperties& context) override;
    void trackPayment(const ZrEventPayment& event, const ZrContextProperties& context) override;
    void trackUninstall(const std::string& reason, const ZrContextProperties& context) override;
    // Sends on the calling thread: a crash handler's process ends as soon
    // as the handler returns.
    void trackCrash(const std::string& reason) override;
    void trackUpdate(const ZrEventUpdate& event, const ZrContextProperties& context) override;
    void trackAppOpenNotification(const ZrEventAppOpenNotification* event,
                                  const ZrContextProperties& context) override;
    void setL10nLocale(const std::string& locale) override;
    std::string getPrimaryDistinctId() override;
    TrackLogger* getTrackLogger() override;

private:
    // Adopts the identity for `serverUrl`: ids that belong to another
    // collector are replaced by the device's own id.
    void loadIdentity(const std::string& serverUrl);
    void registerSuperProperties();
    void storeIdentity() const;
    // Queues the record of a deferred operation; a `counted` one adds a
    // pending record of its own on top of the deferred request's.
    void trackDeferred(const char* event, const usage_analytics::PropertiesNode& properties,
                       bool counted);
    // The profile updates of a visit: first and last visit times.
    void profileVisit(std::int64_t nowMilliseconds);

    const UsageTrackerConfig config_;
    // The application name as it appears in file names (ANSI code page).
    const std::string fileStem_;
    std::unique_ptr<NativeTrackLogger> logger_;
    std::unique_ptr<UsageTrackerState> state_;
};

}  // namespace vorta::analytics
