// The order and payment events, whose checks guard the amounts and the
// currency, platform and result that the collector's revenue reports need.

#include <cstdio>

#include "analytics/tracker/event_properties.h"
#include "analytics/tracker/event_property_setters.h"
#include "analytics/tracker/zr_event_texts.h"

namespace vorta::analytics {

namespace {

// "paidAmount = -1.000000 is invalid"
std::string InvalidAmountMessage(const char* name, double amount) {
    char text[400] = {};
    std::snprintf(text, sizeof text, "%s = %f is invalid", name, amount);
    return text;
}

}  // namespace

PropertiesNode OrderProperties(const ZrEventOrder& event, const ZrContextProperties& context) {
    constexpr char kFunction[] = "trackOrder";
    if (event.suitId.empty()) Raise(kFunction, __LINE__, "zrEventOrder.zrSuitId is empty");
    if (!event.currency) Raise(kFunction, __LINE__, "zrEventOrder.zrCurrency is nullptr");
    if (!(event.originalAmount > 0)) {
        Raise(kFunction, __LINE__, "zrEventOrder.originalAmount is less than zero");
    }
    if (!(event.paidAmount > 0)) {
        Raise(kFunction, __LINE__, "zrEventOrder.paidAmount is not greater than zero");
    }
    PropertiesNode properties;
    properties.SetText("zr_suit_id", event.suitId);
    properties.SetText("zr_currency", toString(*event.currency));
    properties.SetNumber("zr_paid_amount", event.paidAmount);
    properties.SetNumber("zr_original_amount", event.originalAmount);
    properties.SetBool("$is_first_time", true);
    SetTextIfSet(properties, "zr_order_id", event.orderId);
    SetTextIfSet(properties, "zr_subitem", event.subitem);
    SetTextIfSet(properties, "zr_sku", event.sku);
    SetIntegerIfSet(properties, "zr_campaign_code", event.campaignCode);
    SetTextIfSet(properties, "zr_voucher_id", event.voucherId);
    SetNumberIfPositive(properties, "zr_cur_original_amount", event.curOriginalAmount);
    SetNumberIfPositive(properties, "zr_cur_paid_amount", event.curPaidAmount);
    SetTextIfSet(properties, "zr_cashier_name", event.cashierName);
    SetTextIfSet(properties, "zr_cashier_title", event.cashierTitle);
    MergeContext(properties, context, ZrEventKind::Order);
    return properties;
}

PropertiesNode PaymentProperties(const ZrEventPayment& event, const ZrContextProperties& context) {
    constexpr char kFunction[] = "trackPayment";
    if (event.orderId.empty()) Raise(kFunction, __LINE__, "zrEventPayment.zrOrderId is empty");
    if (!(event.paidAmount >= 0)) {
        Raise(kFunction, __LINE__, InvalidAmountMessage("paidAmount", event.paidAmount));
    }
    if (!(event.originalAmount >= 0)) {
        Raise(kFunction, __LINE__, InvalidAmountMessage("originalAmount", event.originalAmount));
    }
    if (!event.result || (*event.result != ZrResult::Success && *event.result != ZrResult::Fail)) {
        Raise(kFunction, __LINE__, "zrEventPayment.result is invalid");
    }
    if (!event.currency) Raise(kFunction, __LINE__, "zrEventPayment.zrCurrency is nullptr");
    if (!event.paidPlatform) Raise(kFunction, __LINE__, "zrEventPayment.paidPlatform is nullptr");
    PropertiesNode properties;
    properties.SetText("zr_order_id", event.orderId);
    properties.SetText("zr_paid_platform", toString(*event.paidPlatform));
    properties.SetText("zr_currency", toString(*event.currency));
    properties.SetNumber("zr_paid_amount", event.paidAmount);
    properties.SetNumber("zr_original_amount", event.originalAmount);
    properties.SetText("zr_result", toString(*event.result));
    properties.SetBool("$is_first_time", true);
    SetTextIfSet(properties, "zr_suit_id", event.suitId);
    if (event.iapType) properties.SetText("zr_iap_type", toString(*event.iapType));
    SetTextIfSet(properties, "zr_subitem", event.subitem);
    SetTextIfSet(properties, "zr_sku", event.sku);
    SetTextIfSet(properties, "zr_voucher_id", event.voucherId);
    SetTextIfSet(properties, "zr_used_voucher_id", event.usedVoucherId);
    SetIntegerIfSet(properties, "zr_campaign_code", event.campaignCode);
    SetNumberIfPositive(properties, "zr_cur_original_amount", event.curOriginalAmount);
    SetNumberIfPositive(properties, "zr_cur_paid_amount", event.curPaidAmount);
    SetTextIfSet(properties, "zr_cashier_name", event.cashierName);
    SetTextIfSet(properties, "zr_cashier_title", event.cashierTitle);
    MergeContext(properties, context, ZrEventKind::Payment);
    return properties;
}

}  // namespace vorta::analytics
