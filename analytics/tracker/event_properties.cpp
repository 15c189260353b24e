#include "analytics/tracker/event_properties.h"

#include "analytics/tracker/event_property_setters.h"
#include "analytics/tracker/zr_event_texts.h"

namespace vorta::analytics {

void MergeContext(PropertiesNode& properties, const ZrContextProperties& context,
                  ZrEventKind kind) {
    for (const ZrContextProperties::Entry& entry : context.getEventProperties(kind)) {
        properties.SetText(entry.name, *entry.value);
    }
}

PropertiesNode ActivityProperties(const ActivityTexts& texts, const ZrContextProperties& context) {
    PropertiesNode properties;
    MergeContext(properties, context, ZrEventKind::Activity);
    SetTextIfSet(properties, "zr_app_store", texts.appStore);
    SetTextIfSet(properties, "zr_app_id", texts.appName);
    SetTextIfSet(properties, "$app_id", texts.appName);
    SetTextIfSet(properties, "$app_version", texts.appVersion);
    properties.SetText("$ios_install_source", kInstallSource);
    SetTextIfSet(properties, "$user_agent", texts.userAgent);
    properties.SetBool("$is_first_time", true);
    properties.SetText("$os", texts.osName);
    properties.SetText("$os_version", texts.osVersion);
    return properties;
}

PropertiesNode LoginProperties(const ZrUserInfo& user, bool success, const std::string& reason,
                               const ZrContextProperties& context) {
    PropertiesNode properties;
    SetTextIfSet(properties, "zr_user_id", user.userId);
    SetTextIfSet(properties, "zr_login_id", user.userId);
    properties.SetText("zr_type", userType(user.userType));
    properties.SetText("zr_result", success ? "Success" : "Fail");
    SetTextIfSet(properties, "zr_reason", reason);
    if (!user.userId.empty()) properties.SetBool("$is_first_time", true);
    MergeContext(properties, context, ZrEventKind::Login);
    return properties;
}

PropertiesNode ClickProperties(const ZrEventClick& event, const ZrContextProperties& context) {
    if (event.name.empty()) Raise("trackClick", __LINE__, "zrEventClick.name is empty");
    PropertiesNode properties;
    properties.SetText("zr_name", event.name);
    properties.SetText("zr_click_type", toString(event.clickType));
    SetTextIfSet(properties, "zr_aname", event.aname);
    SetTextIfSet(properties, "zr_title", event.title);
    SetTextIfSet(properties, "zr_position", event.position);
    SetTextIfSet(properties, "zr_module", event.module);
    SetTextIfSet(properties, "zr_tab_name", event.tabName);
    SetIntegerIfSet(properties, "zr_tab_index", event.tabIndex);
    SetTextIfSet(properties, "zr_banner_name", event.bannerName);
    SetIntegerIfSet(properties, "zr_banner_index", event.bannerIndex);
    properties.SetBool("$is_first_time", true);
    MergeContext(properties, context, ZrEventKind::Click);
    return properties;
}

PropertiesNode ViewProperties(const ZrEventView& event, const ZrContextProperties& context) {
    if (event.name.empty()) Raise("trackView", __LINE__, "zrEventView.name is empty");
    PropertiesNode properties;
    properties.SetText("zr_name", event.name);
    SetTextIfSet(properties, "zr_aname", event.aname);
    SetTextIfSet(properties, "zr_title", event.title);
    SetTextIfSet(properties, "zr_position", event.position);
    properties.SetBool("$is_first_time", true);
    MergeContext(properties, context, ZrEventKind::View);
    return properties;
}

PropertiesNode CashierProperties(const ZrEventCashier& event, const ZrContextProperties& context) {
    if (event.cashierName.empty()) {
        Raise("trackCashier", __LINE__, "zrEventCashier.zr_cashier_name is empty");
    }
    PropertiesNode properties;
    properties.SetText("zr_cashier_name", event.cashierName);
    SetTextIfSet(properties, "zr_cashier_title", event.cashierTitle);
    SetTextIfSet(properties, "zr_subitem", event.subitem);
    properties.SetBool("$is_first_time", true);
    MergeContext(properties, context, ZrEventKind::Cashier);
    return properties;
}

PropertiesNode ShareProperties(const ZrEventShare& event, const ZrContextProperties& context) {
    PropertiesNode properties;
    SetTextIfSet(properties, "zr_aname", event.aname);
    SetTextIfSet(properties, "zr_channel", event.channel);
    SetTextIfSet(properties, "zr_position", event.position);
    SetTextIfSet(properties, "zr_shared_name", event.sharedName);
    if (event.result) properties.SetText("zr_result", toString(*event.result));
    properties.SetBool("$is_first_time", true);
    MergeContext(properties, context, ZrEventKind::Share);
    return properties;
}

PropertiesNode TaskProperties(const ZrEventTask& event, const ZrContextProperties& context) {
    if (event.name.empty()) Raise("trackTask", __LINE__, "zrEventTask.name is empty");
    PropertiesNode properties;
    properties.SetText("zr_task_name", event.name);
    SetNumberIfSet(properties, "zr_task_elapsed", event.elapsed);
    SetKnownResult(properties, "zr_task_result", event.result);
    SetTextIfSet(properties, "zr_aname", event.aname);
    SetTextIfSet(properties, "zr_reason", event.reason);
    properties.SetBool("$is_first_time", true);
    MergeContext(properties, context, ZrEventKind::Task);
    return properties;
}

PropertiesNode FileProperties(const ZrEventFile& event, const ZrContextProperties& context) {
    if (event.aname.empty()) Raise("trackFile", __LINE__, "zrEventFile.aname is empty");
    PropertiesNode properties;
    properties.SetText("zr_aname", event.aname);
    if (event.io) properties.SetText("zr_io", toString(*event.io));
    SetKnownResult(properties, "zr_result", event.result);
    SetTextIfSet(properties, "zr_name", event.name);
    SetTextIfSet(properties, "zr_ext", event.ext);
    if (event.size && *event.size > 0) properties.SetNumber("zr_size", *event.size);
    SetIntegerIfSet(properties, "zr_duration", event.duration);
    SetNumberIfSet(properties, "zr_fps", event.fps);
    SetNumberIfSet(properties, "zr_bps", event.bps);
    SetIntegerIfSet(properties, "zr_width", event.width);
    SetIntegerIfSet(properties, "zr_height", event.height);
    SetIntegerIfSet(properties, "zr_depth", event.depth);
    properties.SetBool("$is_first_time", true);
    MergeContext(properties, context, ZrEventKind::File);
    return properties;
}

PropertiesNode UninstallProperties(const std::string& reason, const ZrContextProperties& context) {
    PropertiesNode properties;
    SetTextIfSet(properties, "zr_uninstall_reason", reason);
    MergeContext(properties, context, ZrEventKind::Uninstall);
    return properties;
}

PropertiesNode CrashProperties(const std::string& reason) {
    PropertiesNode properties;
    SetTextIfSet(properties, "app_crashed_reason", reason);
    return properties;
}

PropertiesNode UpdateProperties(const ZrEventUpdate& event, const ZrContextProperties& context) {
    PropertiesNode properties;
    properties.SetText("zr_update_op", toString(event.op));
    const std::string result = event.result ? toString(*event.result) : std::string();
    switch (event.op) {
        case ZrUpdateOp::UpdateCheck:
            properties.SetText("zr_update_result", result);
            break;
        case ZrUpdateOp::DownloadStart:
        case ZrUpdateOp::UpgrateStart:
            break;
        case ZrUpdateOp::DownloadEnd:
        case ZrUpdateOp::UpgrateEnd:
            if (!event.result) Raise("trackUpdate", __LINE__, "Unknown updateResultInfo info");
            if (!event.elapsed) Raise("trackUpdate", __LINE__, "invalid elapsed info");
            properties.SetText("zr_update_result", result);
            if (event.op == ZrUpdateOp::UpgrateEnd) properties.SetBool("$is_first_time", true);
            properties.SetNumber("zr_elapsed", *event.elapsed);
            break;
    }
    MergeContext(properties, context, ZrEventKind::Update);
    return properties;
}

PropertiesNode AppOpenNotificationProperties(const ZrEventAppOpenNotification* event,
                                             const ZrContextProperties& context) {
    constexpr char kFunction[] = "trackAppOpenNotification";
    if (!event) Raise(kFunction, __LINE__, "&appOpenNotification is nullptr");
    if (event->planId.empty()) Raise(kFunction, __LINE__, "planID is emptry");
    if (event->planType.empty()) Raise(kFunction, __LINE__, "planType is emptry");
    if (event->msgTitle.empty()) Raise(kFunction, __LINE__, "msgTitle is emptry");
    PropertiesNode properties;
    properties.SetText("$sf_msg_title", event->msgTitle);
    properties.SetText("$sf_plan_id", event->planId);
    properties.SetText("$sf_plan_type", event->planType);
    properties.SetBool("$is_first_time", true);
    SetTextIfSet(properties, "$sf_msg_content", event->msgContent);
    SetTextIfSet(properties, "$sf_link_url", event->linkUrl);
    SetTextIfSet(properties, "$sf_audience_id", event->audienceId);
    SetTextIfSet(properties, "$sf_plan_strategy_id", event->planStrategyId);
    SetTextIfSet(properties, "$sf_strategy_unit_id", event->strategyUnitId);
    MergeContext(properties, context, ZrEventKind::AppOpenNotification);
    return properties;
}

}  // namespace vorta::analytics
