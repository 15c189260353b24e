#include "analytics/tracker/super_properties.h"

#include "analytics/tracker/zr_event_texts.h"

namespace vorta::analytics {

using usage_analytics::PropertiesNode;

Locale LocaleFor(const std::string& chosen, const Locale& system) {
    const std::optional<Locale> split = SplitLocale(chosen);
    return split ? *split : system;
}

PropertiesNode LocaleProperties(const Locale& locale) {
    PropertiesNode properties;
    properties.SetText("zr_l10n_locale", locale.text);
    properties.SetText("zr_l10n_language", locale.language);
    properties.SetText("zr_l10n_country", locale.country);
    return properties;
}

PropertiesNode SuperProperties(const SuperPropertySources& sources) {
    const UsageTrackerConfig& config = sources.config;
    PropertiesNode properties;
    properties.SetText("zr_app_id", config.appName);
    properties.SetText("$app_version", config.appVersion);
    properties.SetText("$app_id", config.appName);
    properties.SetText("zr_app_store", config.appStore);
    properties.SetText("zr_edition", toString(static_cast<ZrEdition>(config.edition)));
    if (!config.dlAppId.empty()) properties.SetText("zr_dlapp_id", config.dlAppId);
    if (!config.dlAppVersion.empty()) properties.SetText("zr_dlapp_version", config.dlAppVersion);
    properties.SetText("zr_app_platform", "Windows");
    properties.SetText("zr_track_type", "Client");
    properties.SetText("zr_sdk_version", kSdkVersion);
    properties.SetText("zr_sdk", "WindowsCPP");
    properties.SetText("$os", sources.osName);
    properties.SetText("$os_version", sources.osVersion);
    properties.Merge(LocaleProperties(sources.locale));
    properties.SetInteger("$screen_height", sources.screen.height);
    properties.SetInteger("$screen_width", sources.screen.width);
    if (!sources.userId.empty()) properties.SetText("zr_user_id", sources.userId);
    return properties;
}

}  // namespace vorta::analytics
