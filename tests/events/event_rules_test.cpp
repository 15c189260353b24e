// The event catalogue's pure rules: enumeration texts and the profile
// router's table and refusals.

#include <gtest/gtest.h>

#include <functional>

#include "analytics/core/sdk.h"
#include "analytics/tracker/native_user_tracker.h"
#include "analytics/tracker/zr_event_texts.h"
#include "analytics/tracker/zr_exception.h"

namespace {

using namespace vorta::analytics;

struct Raised {
    std::string function;
    std::string message;
};

Raised RaisedBy(const std::function<void()>& action) {
    try {
        action();
    } catch (const ZrException& error) {
        return {error.function(), error.what()};
    }
    return {};
}

template <typename Enum>
Enum As(int value) {
    return static_cast<Enum>(value);
}

TEST(EventTextsTest, KnownValuesHaveTheirWireTexts) {
    EXPECT_EQ(toString(ZrResult::Cancelled), "Cancelled");
    EXPECT_EQ(toString(ZrResult::Unknown), "Unknown");
    EXPECT_EQ(toString(ClickType::Others), "Others");
    EXPECT_EQ(toString(ZrCurrency::GBP), "GBP");
    EXPECT_EQ(toString(ZrPaidPlatform::ChinaUnionPay), "ChinaUnionPay");
    EXPECT_EQ(toString(ZrIapType::Consumable), "Consumable");
    EXPECT_EQ(toString(ZrIapType::NonRenewable), "NonRenewable");
    EXPECT_EQ(toString(ZrUpdateOp::UpgrateStart), "UpgrateStart");
    EXPECT_EQ(toString(ZrUpdateOp::UpgrateEnd), "UpgrateEnd");
    EXPECT_EQ(toString(ZrUpdateResult::Updateable), "Updateable");
    EXPECT_EQ(toString(ZrIoType::Output), "Output");
    EXPECT_EQ(toString(ZrEdition::Overseas), "overseas");
    EXPECT_EQ(userType(ZrUserType::VortaUserId), "vortauserid");
    EXPECT_EQ(userType(ZrUserType::Facebook), "facebook");
}

TEST(EventTextsTest, UnknownValuesNameTheirEnumeration) {
    const struct {
        std::function<void()> convert;
        const char* function;
        const char* message;
    } cases[] = {
        {[] { toString(As<ZrResult>(4)); }, "toString", "Unknown task result [4]!"},
        {[] { toString(As<ClickType>(-1)); }, "toString", "Unknown ClickType [-1]!"},
        {[] { toString(As<ZrCurrency>(11)); }, "toString", "Unknown currency [11]!"},
        {[] { toString(As<ZrPaidPlatform>(10)); }, "toString", "Unknown paid platform [10]!"},
        {[] { toString(As<ZrIapType>(0)); }, "toString", "Unknown zrIapType [0]!"},
        {[] { toString(As<ZrUpdateOp>(5)); }, "toString", "Unknown ZrUpdateOp [5]!"},
        {[] { toString(As<ZrUpdateResult>(6)); }, "toString", "Unknown ZrUpdateResult [6]!"},
        {[] { toString(As<ZrIoType>(2)); }, "toString", "the io type is invalid"},
        {[] { toString(As<ZrEdition>(2)); }, "toString", "Unknown edition [2]!"},
        {[] { userType(As<ZrUserType>(12)); }, "userType", "Unknown user type [12]!"},
    };
    for (const auto& c : cases) {
        const Raised raised = RaisedBy(c.convert);
        EXPECT_EQ(raised.message, c.message);
        EXPECT_EQ(raised.function, c.function) << c.message;
    }
}

TEST(ProfileRouterTest, KeysChooseTheirOperation) {
    const struct {
        const char* key;
        ProfileOperation operation;
    } cases[] = {
        {"$first_visit_time", ProfileOperation::SetOnce},
        {"zr_first_paid_date", ProfileOperation::SetOnce},
        {"zr_visit_count", ProfileOperation::Increment},
        {"zr_consumption", ProfileOperation::Increment},
        {"zr_last_visit_date", ProfileOperation::Set},
        {"zr_user_vip_enddate", ProfileOperation::Set},
        {"oaid", ProfileOperation::Set},
        {"zr_unknown", ProfileOperation::NotSupported},
        {"ZR_OS", ProfileOperation::NotSupported},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NativeUserTracker::operationOf(c.key), c.operation) << c.key;
}

TEST(ProfileRouterTest, RefusesValuesTheOperationCannotTake) {
    // Refusals come from the table, also while no SDK instance exists.
    ASSERT_FALSE(usage_analytics::Sdk::IsInitialized());
    using Tracker = NativeUserTracker;
    const struct {
        std::function<void()> update;
        const char* function;
        const char* message;
    } cases[] = {
        {[] { Tracker::ProfileUserPropertyString("zr_paid_count", "1"); },
         "ProfileUserPropertyString",
         "user property [zr_paid_count] is string type value, it cannot be accumulated!"},
        {[] { Tracker::ProfileUserPropertyDateTime("zr_visit_count", 0); },
         "ProfileUserPropertyDateTime",
         "user property [zr_visit_count] is boolean value, it cannot be accumulative!"},
        {[] { Tracker::ProfileUserPropertyNumber("zr_unknown", 1); }, "ProfileUserPropertyNumber",
         "Not supported user property [zr_unknown]!"},
        {[] { Tracker::ProfileUserPropertyString("zr_unknown", "x"); }, "ProfileUserPropertyString",
         "Not supported user property [zr_unknown]!"},
        {[] { Tracker::ProfileUserPropertyDateTime("zr_unknown", 5); },
         "ProfileUserPropertyDateTime", "Not supported user property [zr_unknown]!"},
    };
    for (const auto& c : cases) {
        const Raised raised = RaisedBy(c.update);
        EXPECT_EQ(raised.message, c.message);
        EXPECT_EQ(raised.function, c.function) << c.message;
    }
    EXPECT_TRUE(
        RaisedBy([] { Tracker::ProfileUserPropertyNumber("zr_user_id", 5); }).message.empty());
}

}  // namespace
