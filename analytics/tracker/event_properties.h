#pragma once

// The property set of each business event: its checks (raising
// ZrException with the operation's name before anything is built), its
// enumeration texts, its own properties and the caller's context
// properties of its kind, merged at the event's place in the order.

#include <string>

#include "analytics/core/value_node.h"
#include "analytics/tracker/zr_context_properties.h"
#include "analytics/tracker/zr_events.h"

namespace vorta::analytics {

using usage_analytics::PropertiesNode;

// The application and system texts that the activity event repeats.
struct ActivityTexts {
    std::string appName;
    std::string appVersion;
    std::string appStore;
    std::string userAgent;
    std::string osName;
    std::string osVersion;
};

// The install source that every activity reports.
inline constexpr char kInstallSource[] = "android_id=123##imei=1234##mac=123";

// Copies the context properties of `kind` into `properties`; later entries
// replace earlier ones with the same name.
void MergeContext(PropertiesNode& properties, const ZrContextProperties& context, ZrEventKind kind);

PropertiesNode ActivityProperties(const ActivityTexts& texts, const ZrContextProperties& context);
PropertiesNode LoginProperties(const ZrUserInfo& user, bool success, const std::string& reason,
                               const ZrContextProperties& context);
PropertiesNode ClickProperties(const ZrEventClick& event, const ZrContextProperties& context);
PropertiesNode ViewProperties(const ZrEventView& event, const ZrContextProperties& context);
PropertiesNode CashierProperties(const ZrEventCashier& event, const ZrContextProperties& context);
PropertiesNode ShareProperties(const ZrEventShare& event, const ZrContextProperties& context);
PropertiesNode TaskProperties(const ZrEventTask& event, const ZrContextProperties& context);
PropertiesNode FileProperties(const ZrEventFile& event, const ZrContextProperties& context);
PropertiesNode OrderProperties(const ZrEventOrder& event, const ZrContextProperties& context);
PropertiesNode PaymentProperties(const ZrEventPayment& event, const ZrContextProperties& context);
PropertiesNode UninstallProperties(const std::string& reason, const ZrContextProperties& context);
PropertiesNode CrashProperties(const std::string& reason);
PropertiesNode UpdateProperties(const ZrEventUpdate& event, const ZrContextProperties& context);
PropertiesNode AppOpenNotificationProperties(const ZrEventAppOpenNotification* event,
                                             const ZrContextProperties& context);

}  // namespace vorta::analytics
