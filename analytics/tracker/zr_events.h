#pragma once

// The business events the tracker records, with their enumerations. Texts
// are UTF-8. A text field goes out only when it is non-empty unless the
// event requires it; an optional value goes out only when present.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vorta::analytics {

enum class ZrResult { Success = 0, Cancelled = 1, Fail = 2, Unknown = 3 };
enum class ClickType { Button = 0, Banner = 1, Tutorial = 2, File = 3, Others = 4 };
enum class ZrUserType {
    Unknown = 0,
    MobilePhone = 1,
    Email = 2,
    Weixin = 3,
    QQ = 4,
    DeviceId = 5,
    Baidu = 6,
    Huawei = 7,
    Apple = 8,
    VortaUserId = 9,
    Google = 10,
    Facebook = 11,
};
enum class ZrCurrency { CNY = 0, USD, EUR, HKD, TWD, MOP, SGD, JPY, KRW, INR, GBP };
enum class ZrPaidPlatform {
    Alipay = 0,
    WeChatPay,
    PayPal,
    Tenpay,
    CIECC,
    GooglePay,
    HuaweiPay,
    AppleIAP,
    Paddle,
    ChinaUnionPay,
};
enum class ZrIapType { Consumable = 1, NonConsumable = 2, AutoRenewable = 3, NonRenewable = 4 };
// "Upgrate" is the spelling the collector's reports know.
enum class ZrUpdateOp { UpdateCheck = 0, DownloadStart, DownloadEnd, UpgrateStart, UpgrateEnd };
enum class ZrUpdateResult { Success = 0, Cancelled, Timeout, Fail, Latest, Updateable };
enum class ZrIoType { Input = 0, Output = 1 };
enum class ZrEdition { China = 0, Overseas = 1 };

// An optional value of an event record: null when absent.
template <typename T>
using ZrOptional = std::shared_ptr<T>;

struct ZrEventClick {
    std::string aname;
    std::string name;  // required
    ClickType clickType = ClickType::Button;
    std::string title;
    std::string module;
    std::string position;
    ZrOptional<std::int32_t> tabIndex;
    std::string tabName;
    ZrOptional<std::int32_t> bannerIndex;
    std::string bannerName;
};

struct ZrEventView {
    std::string aname;
    std::string name;  // required
    std::string title;
    std::string position;
};

struct ZrEventCashier {
    std::string cashierName;  // required
    std::string cashierTitle;
    std::string subitem;
};

struct ZrEventShare {
    std::string aname;
    std::string channel;
    std::string position;
    std::string sharedName;
    ZrOptional<ZrResult> result;
};

struct ZrEventTask {
    std::string aname;
    std::string name;  // required
    std::string reason;
    ZrOptional<float> elapsed;
    ZrOptional<ZrResult> result;
};

struct ZrEventFile {
    std::string aname;  // required
    std::string name;
    ZrOptional<ZrIoType> io;
    std::string ext;
    ZrOptional<double> size;
    ZrOptional<std::int64_t> duration;
    ZrOptional<double> fps;
    ZrOptional<double> bps;
    ZrOptional<std::int32_t> width;
    ZrOptional<std::int32_t> height;
    ZrOptional<std::int32_t> depth;
    ZrOptional<ZrResult> result;
};

struct ZrEventOrder {
    std::string orderId;
    std::string subitem;
    std::string sku;
    std::string suitId;               // required
    ZrOptional<ZrCurrency> currency;  // required
    double originalAmount = 0;        // required, above 0
    std::string voucherId;
    double paidAmount = 0;  // required, above 0
    std::string cashierName;
    std::string cashierTitle;
    ZrOptional<std::int32_t> campaignCode;
    double curOriginalAmount = 0;
    double curPaidAmount = 0;
};

struct ZrEventPayment {
    std::string orderId;  // required
    std::string subitem;
    std::string sku;
    ZrOptional<ZrCurrency> currency;  // required
    double originalAmount = 0;
    ZrOptional<std::int32_t> campaignCode;
    std::string voucherId;
    std::string usedVoucherId;
    double paidAmount = 0;
    std::string suitId;
    std::string cashierName;
    std::string cashierTitle;
    ZrOptional<ZrPaidPlatform> paidPlatform;  // required
    ZrOptional<ZrResult> result;              // required: Success or Fail
    ZrOptional<ZrIapType> iapType;
    double curOriginalAmount = 0;
    double curPaidAmount = 0;
};

struct ZrEventUpdate {
    ZrUpdateOp op = ZrUpdateOp::UpdateCheck;
    ZrOptional<ZrUpdateResult> result;
    ZrOptional<double> elapsed;
};

struct ZrEventAppOpenNotification {
    std::string msgTitle;  // required
    std::string msgContent;
    std::string linkUrl;
    std::string planId;  // required
    std::string audienceId;
    std::string planStrategyId;
    std::string planType;  // required
    std::string strategyUnitId;
};

struct ZrUserInfo {
    std::string userId;
    std::string userName;
    ZrUserType userType = ZrUserType::Unknown;
    std::string nickname;
    std::string portrait;
    std::string mobilephone;
    std::string email;
    std::string weixin;
    std::string qq;
    std::string did;
    std::int64_t created = 0;    // seconds since the epoch
    std::int64_t lastLogin = 0;  // seconds since the epoch
    std::string lastIp;
    std::int32_t vipLevel = 0;
    std::int64_t vipEndDate = 0;  // seconds since the epoch
};

}  // namespace vorta::analytics
