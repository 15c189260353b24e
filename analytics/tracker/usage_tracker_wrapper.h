#pragma once

// The tracker as the installer holds it: every event operation runs inside
// a barrier that swallows whatever the tracker raises, so analytics never
// breaks the installer. Destroying the wrapper destroys the tracker, which
// sends what is pending.

#include <memory>
#include <string>

#include "analytics/tracker/usage_tracker.h"

namespace vorta::analytics {

class UsageTrackerWrapper : public UsageTracker {
public:
    explicit UsageTrackerWrapper(std::unique_ptr<UsageTracker> tracker)
        : tracker_(std::move(tracker)) {}
    UsageTrackerWrapper(const UsageTrackerWrapper&) = delete;
    UsageTrackerWrapper& operator=(const UsageTrackerWrapper&) = delete;

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
    void trackCrash(const std::string& reason) override;
    void trackUpdate(const ZrEventUpdate& event, const ZrContextProperties& context) override;
    void trackAppOpenNotification(const ZrEventAppOpenNotification* event,
                                  const ZrContextProperties& context) override;
    void setL10nLocale(const std::string& locale) override;
    std::string getPrimaryDistinctId() override;
    // Always null: the tracker's log stays the tracker's.
    TrackLogger* getTrackLogger() override;

private:
    // Runs `operation` on the tracker; anything it throws ends there, with
    // the line "Failed to <name>" on the standard output once the tracker
    // has its log.
    template <typename Operation>
    void guarded(const char* name, Operation operation);

    std::unique_ptr<UsageTracker> tracker_;
};

}  // namespace vorta::analytics
