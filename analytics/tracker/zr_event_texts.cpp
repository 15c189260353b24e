#include "analytics/tracker/zr_event_texts.h"

#include <initializer_list>
#include <string_view>

#include "analytics/tracker/zr_exception.h"

namespace vorta::analytics {

namespace {

constexpr char kSource[] = "ZrEvents";

// The text of `value` in `texts`, which start at `first`; an unknown value
// raises `unknownMessage` + value + "]!".
template <typename Enum>
std::string TextOf(Enum value, int first, std::initializer_list<std::string_view> texts,
                   const char* unknownMessage, const char* function = "toString") {
    const int index = static_cast<int>(value) - first;
    if (index < 0 || index >= static_cast<int>(texts.size())) {
        throw ZrException(kSource, function, __LINE__,
                          unknownMessage + std::to_string(static_cast<int>(value)) + "]!");
    }
    return std::string(texts.begin()[index]);
}

}  // namespace

std::string toString(ZrResult value) {
    return TextOf(value, 0, {"Success", "Cancelled", "Fail", "Unknown"}, "Unknown task result [");
}

std::string toString(ClickType value) {
    return TextOf(value, 0, {"Button", "Banner", "Tutorial", "File", "Others"},
                  "Unknown ClickType [");
}

std::string toString(ZrCurrency value) {
    return TextOf(value, 0,
                  {"CNY", "USD", "EUR", "HKD", "TWD", "MOP", "SGD", "JPY", "KRW", "INR", "GBP"},
                  "Unknown currency [");
}

std::string toString(ZrPaidPlatform value) {
    return TextOf(value, 0,
                  {"Alipay", "WeChatPay", "PayPal", "Tenpay", "CIECC", "GooglePay", "HuaweiPay",
                   "AppleIAP", "Paddle", "ChinaUnionPay"},
                  "Unknown paid platform [");
}

std::string toString(ZrIapType value) {
    return TextOf(value, 1, {"Consumable", "NonConsumable", "AutoRenewable", "NonRenewable"},
                  "Unknown zrIapType [");
}

std::string toString(ZrUpdateOp value) {
    return TextOf(value, 0,
                  {"UpdateCheck", "DownloadStart", "DownloadEnd", "UpgrateStart", "UpgrateEnd"},
                  "Unknown ZrUpdateOp [");
}

std::string toString(ZrUpdateResult value) {
    return TextOf(value, 0, {"Success", "Cancelled", "Timeout", "Fail", "Latest", "Updateable"},
                  "Unknown ZrUpdateResult [");
}

std::string toString(ZrIoType value) {
    switch (value) {
        case ZrIoType::Input:
            return "Input";
        case ZrIoType::Output:
            return "Output";
    }
    throw ZrException(kSource, "toString", __LINE__, "the io type is invalid");
}

std::string toString(ZrEdition value) {
    return TextOf(value, 0, {"china", "overseas"}, "Unknown edition [");
}

std::string userType(ZrUserType value) {
    return TextOf(value, 0,
                  {"unknown", "mobilephone", "email", "weixin", "qq", "deviceid", "baidu", "huawei",
                   "apple", "vortauserid", "google", "facebook"},
                  "Unknown user type [", "userType");
}

}  // namespace vorta::analytics
