#include "analytics/tracker/usage_tracker_wrapper.h"

#include <iostream>

namespace vorta::analytics {

template <typename Operation>
void UsageTrackerWrapper::guarded(const char* name, Operation operation) {
    if (!tracker_) return;
    try {
        operation(*tracker_);
    } catch (...) {
        if (tracker_->getTrackLogger()) std::cout << "Failed to " << name << std::endl;
    }
}

void UsageTrackerWrapper::trackActivity(const ZrContextProperties& context) {
    guarded("trackActivity", [&](UsageTracker& tracker) { tracker.trackActivity(context); });
}

void UsageTrackerWrapper::trackLaunch(const ZrContextProperties& context) {
    guarded("trackLaunch", [&](UsageTracker& tracker) { tracker.trackLaunch(context); });
}

void UsageTrackerWrapper::trackLogin(const ZrUserInfo& user, bool success,
                                     const std::string& reason,
                                     const ZrContextProperties& context) {
    guarded("trackLogin",
            [&](UsageTracker& tracker) { tracker.trackLogin(user, success, reason, context); });
}

void UsageTrackerWrapper::trackClick(const ZrEventClick& event,
                                     const ZrContextProperties& context) {
    guarded("trackClick", [&](UsageTracker& tracker) { tracker.trackClick(event, context); });
}

void UsageTrackerWrapper::trackView(const ZrEventView& event, const ZrContextProperties& context) {
    guarded("trackView", [&](UsageTracker& tracker) { tracker.trackView(event, context); });
}

void UsageTrackerWrapper::trackCashier(const ZrEventCashier& event,
                                       const ZrContextProperties& context) {
    guarded("trackCashier", [&](UsageTracker& tracker) { tracker.trackCashier(event, context); });
}

void UsageTrackerWrapper::trackShare(const ZrEventShare& event,
                                     const ZrContextProperties& context) {
    guarded("trackShare", [&](UsageTracker& tracker) { tracker.trackShare(event, context); });
}

void UsageTrackerWrapper::trackTask(const ZrEventTask& event, const ZrContextProperties& context) {
    guarded("trackTask", [&](UsageTracker& tracker) { tracker.trackTask(event, context); });
}

void UsageTrackerWrapper::trackFile(const ZrEventFile& event, const ZrContextProperties& context) {
    guarded("trackFile", [&](UsageTracker& tracker) { tracker.trackFile(event, context); });
}

void UsageTrackerWrapper::trackOrder(const ZrEventOrder& event,
                                     const ZrContextProperties& context) {
    guarded("trackOrder", [&](UsageTracker& tracker) { tracker.trackOrder(event, context); });
}

void UsageTrackerWrapper::trackPayment(const ZrEventPayment& event,
                                       const ZrContextProperties& context) {
    guarded("trackPayment", [&](UsageTracker& tracker) { tracker.trackPayment(event, context); });
}

void UsageTrackerWrapper::trackUninstall(const std::string& reason,
                                         const ZrContextProperties& context) {
    guarded("trackUninstall",
            [&](UsageTracker& tracker) { tracker.trackUninstall(reason, context); });
}

void UsageTrackerWrapper::trackCrash(const std::string& reason) {
    guarded("trackCrash", [&](UsageTracker& tracker) { tracker.trackCrash(reason); });
}

void UsageTrackerWrapper::trackUpdate(const ZrEventUpdate& event,
                                      const ZrContextProperties& context) {
    guarded("trackUpdate", [&](UsageTracker& tracker) { tracker.trackUpdate(event, context); });
}

void UsageTrackerWrapper::trackAppOpenNotification(const ZrEventAppOpenNotification* event,
                                                   const ZrContextProperties& context) {
    guarded("trackAppOpenNotification",
            [&](UsageTracker& tracker) { tracker.trackAppOpenNotification(event, context); });
}

void UsageTrackerWrapper::setL10nLocale(const std::string& locale) {
    if (tracker_) tracker_->setL10nLocale(locale);
}

std::string UsageTrackerWrapper::getPrimaryDistinctId() {
    return tracker_ ? tracker_->getPrimaryDistinctId() : std::string();
}

TrackLogger* UsageTrackerWrapper::getTrackLogger() { return nullptr; }

}  // namespace vorta::analytics
