#pragma once

// The properties that every event record of the tracker carries: the
// application, edition, SDK, system, locale, screen and user.

#include <string>

#include "analytics/core/value_node.h"
#include "analytics/tracker/system_info.h"
#include "analytics/tracker/usage_tracker.h"

namespace vorta::analytics {

inline constexpr char kSdkVersion[] = "3.3.8";

struct SuperPropertySources {
    const UsageTrackerConfig& config;
    std::string osName;
    std::string osVersion;
    Locale locale;  // as LocaleFor() chose it
    ScreenSize screen;
    std::string userId;
};

// The locale to report: `chosen` when it has the form language_country,
// else the system's.
Locale LocaleFor(const std::string& chosen, const Locale& system);

// "zr_l10n_locale", "zr_l10n_language" and "zr_l10n_country".
usage_analytics::PropertiesNode LocaleProperties(const Locale& locale);

// Raises ZrException for an unknown edition.
usage_analytics::PropertiesNode SuperProperties(const SuperPropertySources& sources);

}  // namespace vorta::analytics
