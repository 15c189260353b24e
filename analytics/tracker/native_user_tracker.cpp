#include "analytics/tracker/native_user_tracker.h"

#include <unordered_map>

#include "analytics/core/sdk.h"
#include "analytics/tracker/zr_exception.h"

namespace vorta::analytics {

namespace {

using usage_analytics::PropertiesNode;
using usage_analytics::Sdk;

constexpr char kSource[] = "NativeUserTracker";

const std::unordered_map<std::string, ProfileOperation>& OperationTable() {
    using Op = ProfileOperation;
    // A function-local static: built once, thread-safely, on first use.
    static const std::unordered_map<std::string, ProfileOperation> table = {
        {"zr_label", Op::Set},
        {"zr_os", Op::Set},
        {"zr_os_version", Op::Set},
        {"zr_manufacturer", Op::Set},
        {"zr_model", Op::Set},
        {"$first_visit_time", Op::SetOnce},
        {"zr_first_visit_date", Op::SetOnce},
        {"zr_app_store", Op::Set},
        {"zr_app_platform", Op::Set},
        {"zr_last_app_id", Op::Set},
        {"zr_last_app_version", Op::Set},
        {"$ios_install_source", Op::SetOnce},
        {"zr_carrier", Op::Set},
        {"zr_last_visit_date", Op::Set},
        {"zr_visit_count", Op::Increment},
        {"aurora_pushid", Op::Set},
        {"zr_user_id", Op::Set},
        {"zr_user_name", Op::Set},
        {"zr_user_type", Op::Set},
        {"zr_user_nickname", Op::Set},
        {"zr_user_portrait", Op::Set},
        {"zr_user_mobilephone", Op::Set},
        {"zr_user_email", Op::Set},
        {"zr_user_weixin", Op::Set},
        {"zr_user_qq", Op::Set},
        {"zr_user_did", Op::Set},
        {"zr_user_created", Op::Set},
        {"zr_user_last_login", Op::Set},
        {"zr_user_last_ip", Op::Set},
        {"zr_user_vip_level", Op::Set},
        {"zr_user_vip_enddate", Op::Set},
        {"idfa", Op::Set},
        {"imei", Op::Set},
        {"android_id", Op::Set},
        {"oaid", Op::Set},
        {"zr_ip", Op::Set},
        {"zr_country_code", Op::Set},
        {"zr_country", Op::Set},
        {"zr_province", Op::Set},
        {"zr_city", Op::Set},
        {"zr_first_paid_date", Op::SetOnce},
        {"zr_last_paid_date", Op::Set},
        {"zr_paid_count", Op::Increment},
        {"zr_consumption", Op::Increment},
    };
    return table;
}

// The operation for `key`, or the "not supported" error.
ProfileOperation SupportedOperation(const std::string& key, const char* function) {
    const ProfileOperation operation = NativeUserTracker::operationOf(key);
    if (operation == ProfileOperation::NotSupported) {
        throw ZrException(kSource, function, __LINE__,
                          "Not supported user property [" + key + "]!");
    }
    return operation;
}

[[noreturn]] void Refuse(const char* function, int line, const std::string& key,
                         const char* reason) {
    throw ZrException(kSource, function, line, "user property [" + key + reason);
}

// Queues the one-property record of `operation`, which the caller has
// checked against the value's type.
void Send(ProfileOperation operation, const PropertiesNode& property) {
    switch (operation) {
        case ProfileOperation::SetOnce:
            Sdk::ProfileSetOnce(property);
            break;
        case ProfileOperation::Increment:
            Sdk::ProfileIncrement(property);
            break;
        case ProfileOperation::Set:
            Sdk::ProfileSet(property);
            break;
        case ProfileOperation::Append:
        case ProfileOperation::NotSupported:
            break;
    }
}

// An integer or floating value: every operation but append takes it.
void RouteNumber(const std::string& key, usage_analytics::ValueNode value) {
    constexpr char kFunction[] = "ProfileUserPropertyNumber";
    const ProfileOperation operation = SupportedOperation(key, kFunction);
    if (operation == ProfileOperation::Append) {
        Refuse(kFunction, __LINE__, key, "] is number value, it cannot be append to list!");
    }
    PropertiesNode property;
    property.Set(key, std::move(value));
    Send(operation, property);
}

}  // namespace

ProfileOperation NativeUserTracker::operationOf(const std::string& key) {
    const auto& table = OperationTable();
    const auto entry = table.find(key);
    return entry == table.end() ? ProfileOperation::NotSupported : entry->second;
}

void NativeUserTracker::ProfileUserPropertyString(const std::string& key,
                                                  const std::string& value) {
    constexpr char kFunction[] = "ProfileUserPropertyString";
    const ProfileOperation operation = SupportedOperation(key, kFunction);
    if (operation == ProfileOperation::Increment) {
        Refuse(kFunction, __LINE__, key, "] is string type value, it cannot be accumulated!");
    }
    if (operation == ProfileOperation::Append) {
        Sdk::ProfileAppend(key, value);
        return;
    }
    PropertiesNode property;
    property.SetText(key, value);
    Send(operation, property);
}

void NativeUserTracker::ProfileUserPropertyNumber(const std::string& key, std::int32_t value) {
    RouteNumber(key, usage_analytics::ValueNode(static_cast<std::int64_t>(value)));
}

void NativeUserTracker::ProfileUserPropertyNumber(const std::string& key, double value) {
    RouteNumber(key, usage_analytics::ValueNode(value));
}

void NativeUserTracker::ProfileUserPropertyDateTime(const std::string& key,
                                                    std::int64_t milliseconds) {
    constexpr char kFunction[] = "ProfileUserPropertyDateTime";
    const ProfileOperation operation = SupportedOperation(key, kFunction);
    if (operation == ProfileOperation::Increment) {
        Refuse(kFunction, __LINE__, key, "] is boolean value, it cannot be accumulative!");
    }
    if (operation == ProfileOperation::Append) {
        Refuse(kFunction, __LINE__, key, "] is boolean value, it cannot be append to list!");
    }
    // Floor division keeps the milliseconds within 0 to 999 also before 1970.
    std::int64_t seconds = milliseconds / 1000;
    std::int64_t remainder = milliseconds % 1000;
    if (remainder < 0) {
        --seconds;
        remainder += 1000;
    }
    PropertiesNode property;
    property.SetDateTime(key, seconds, static_cast<int>(remainder));
    Send(operation, property);
}

}  // namespace vorta::analytics
