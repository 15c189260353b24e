// Every event kind of the catalogue through a real tracker: the properties
// and profile updates that reach the test collector.

#include <vector>

#include "tests/events/catalogue_fixture.h"

namespace {

using namespace CatalogueTest;

// An expected property: its JSON text (strings unquoted), or absent.
struct Expected {
    const char* key;
    const char* json;  // null: the record must not have the key
};

// The JSON form the collector returned, for comparison with Expected.
std::string JsonText(const JsonValue& value) {
    switch (value.GetKind()) {
        case JsonValue::Kind::Bool:
            return value.Bool() ? "true" : "false";
        case JsonValue::Kind::Number:
            return value.NumberText();
        default:
            return value.Text();
    }
}

TEST_F(EventCatalogueTest, AcceptedEventsCarryTheirPropertiesAndContext) {
    const struct {
        const char* event;
        Operation operation;
        std::vector<Expected> properties;
    } cases[] = {
        {"ZrEventActivity",
         [](UsageTracker& t, auto& c) { t.trackActivity(c); },
         {{"$ios_install_source", "android_id=123##imei=1234##mac=123"},
          {"$is_first_time", "true"},
          {"zr_app_store", "QuilloraInstaller.exe"},  // the event's own beats the context
          {"$os", "Windows"}}},
        {"ZrEventLaunch",
         [](UsageTracker& t, auto& c) { t.trackLaunch(c); },
         {{"$is_first_time", nullptr}}},
        {"ZrEventClick",
         [](UsageTracker& t, auto& c) {
             ZrEventClick click;
             click.name = "n";
             click.clickType = ClickType::Banner;
             click.title = "t";
             click.module = "m";
             click.tabIndex = Some(2);
             click.bannerIndex = Some(3);
             click.bannerName = "b";
             t.trackClick(click, c);
         },
         {{"zr_name", "n"},
          {"zr_click_type", "Banner"},
          {"zr_title", "t"},
          {"zr_module", "m"},
          {"zr_tab_index", "2"},
          {"zr_banner_index", "3"},
          {"zr_banner_name", "b"},
          {"zr_aname", nullptr},
          {"zr_position", nullptr},
          {"zr_app_store", "from context"},  // the context comes after the super properties
          {"$is_first_time", "true"}}},
        {"ZrEventView",
         [](UsageTracker& t, auto& c) {
             t.trackView({"a", "v", "", ""}, c);
         },
         {{"zr_name", "v"}, {"zr_aname", "a"}, {"zr_title", nullptr}}},
        {"ZrEventCashier",
         [](UsageTracker& t, auto& c) {
             t.trackCashier({"desk", "", "s"}, c);
         },
         {{"zr_cashier_name", "desk"}, {"zr_subitem", "s"}, {"zr_cashier_title", nullptr}}},
        {"ZrEventShare",
         [](UsageTracker& t, auto& c) {
             t.trackShare({"", "wx", "", "", Some(ZrResult::Unknown)}, c);
         },
         {{"zr_channel", "wx"}, {"zr_result", "Unknown"}, {"zr_aname", nullptr}}},
        {"ZrEventTask",
         [](UsageTracker& t, auto& c) {
             t.trackTask({"", "cancelled", "why", Some(2.5f), Some(ZrResult::Cancelled)}, c);
         },
         {{"zr_task_name", "cancelled"},
          {"zr_task_elapsed", "2.5"},
          {"zr_task_result", "Cancelled"},
          {"zr_reason", "why"}}},
        {"ZrEventTask",
         [](UsageTracker& t, auto& c) {
             t.trackTask({"", "unknown", "", nullptr, Some(ZrResult::Unknown)}, c);
         },
         {{"zr_task_name", "unknown"}, {"zr_task_elapsed", nullptr}, {"zr_task_result", nullptr}}},
        {"ZrEventFile",
         [](UsageTracker& t, auto& c) {
             ZrEventFile file;
             file.aname = "export";
             file.io = Some(ZrIoType::Output);
             file.result = Some(ZrResult::Fail);
             file.size = Some(0.0);
             file.duration = Some<std::int64_t>(5);
             file.fps = Some(29.97);
             file.width = Some(640);
             t.trackFile(file, c);
         },
         {{"zr_aname", "export"},
          {"zr_io", "Output"},
          {"zr_result", "Fail"},
          {"zr_size", nullptr},
          {"zr_duration", "5"},
          {"zr_fps", "29.97"},
          {"zr_width", "640"},
          {"zr_height", nullptr}}},
        {"ZrEventOrder",
         [](UsageTracker& t, auto& c) { t.trackOrder(ValidOrder(), c); },
         {{"zr_suit_id", "suit-1"},
          {"zr_currency", "USD"},
          {"zr_paid_amount", "9.9"},
          {"zr_original_amount", "19.9"},
          {"zr_campaign_code", "7"},
          {"zr_cur_paid_amount", nullptr},
          {"zr_order_id", nullptr}}},
        {"ZrEventPayment",
         [](UsageTracker& t, auto& c) { t.trackPayment(ValidPayment(), c); },
         {{"zr_order_id", "order-1"},
          {"zr_paid_amount", "0"},
          {"zr_original_amount", "0"},
          {"zr_paid_platform", "AppleIAP"},
          {"zr_currency", "CNY"},
          {"zr_result", "Success"},
          {"zr_iap_type", "AutoRenewable"}}},
        {"ZrEventUpdate",
         [](UsageTracker& t, auto& c) { t.trackUpdate(Update(ZrUpdateOp::UpdateCheck), c); },
         {{"zr_update_op", "UpdateCheck"}, {"zr_update_result", ""}}},
        {"ZrEventUpdate",
         [](UsageTracker& t, auto& c) {
             t.trackUpdate(Update(ZrUpdateOp::UpgrateEnd, Some(ZrUpdateResult::Latest), Some(1.5)),
                           c);
         },
         {{"zr_update_op", "UpgrateEnd"},
          {"zr_update_result", "Latest"},
          {"zr_elapsed", "1.5"},
          {"$is_first_time", "true"}}},
        {"ZrEventUpdate",
         [](UsageTracker& t, auto& c) { t.trackUpdate(Update(ZrUpdateOp::DownloadStart), c); },
         {{"zr_update_op", "DownloadStart"}, {"zr_update_result", nullptr}}},
        {"AppOpenNotification",
         [](UsageTracker& t, auto& c) {
             const ZrEventAppOpenNotification notification = ValidNotification();
             t.trackAppOpenNotification(&notification, c);
         },
         {{"$sf_msg_title", "title"},
          {"$sf_plan_id", "plan-1"},
          {"$sf_plan_type", "push"},
          {"$sf_link_url", "https://example.invalid/"},
          {"$sf_msg_content", nullptr}}},
        {"ZrEventUninstall",
         [](UsageTracker& t, auto& c) { t.trackUninstall("too big", c); },
         {{"zr_uninstall_reason", "too big"}}},
        {"AppCrashed",
         [](UsageTracker& t, auto&) { t.trackCrash("崩溃"); },
         {{"app_crashed_reason", "崩溃"}, {"zrc_kind", nullptr}}},
    };

    ZrContextProperties context;
    std::vector<int> everyKind;
    for (int kind = 0; kind < static_cast<int>(kEventKindCount); ++kind) everyKind.push_back(kind);
    context.setProperty("zrc_kind", "all", everyKind);
    context.setProperty(
        "zr_app_store", "from context",
        {static_cast<int>(ZrEventKind::Activity), static_cast<int>(ZrEventKind::Click)});
    for (const auto& c : cases) c.operation(*tracker_, context);

    const auto tracks = TrackerTest::RecordsOf(Finish(), "track");
    ASSERT_EQ(tracks.size(), std::size(cases));
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const JsonValue& properties = tracks[i]["properties"];
        EXPECT_EQ(tracks[i]["event"].Text(), cases[i].event) << i;
        if (cases[i].event != std::string("AppCrashed")) {
            EXPECT_EQ(properties["zrc_kind"].Text(), "all") << cases[i].event;
        }
        for (const Expected& expected : cases[i].properties) {
            if (expected.json) {
                EXPECT_EQ(JsonText(properties[expected.key]), expected.json)
                    << cases[i].event << " " << expected.key;
            } else {
                EXPECT_FALSE(properties.Has(expected.key)) << cases[i].event << " " << expected.key;
            }
        }
    }
}

TEST_F(EventCatalogueTest, ActivityAndPaymentUpdateTheProfile) {
    const ZrContextProperties context;
    tracker_->trackActivity(context);
    ZrEventPayment payment = ValidPayment();
    payment.paidAmount = 12.5;
    tracker_->trackPayment(payment, context);
    const JsonValue records = Finish();

    const auto setOnce = TrackerTest::RecordsOf(records, "profile_set_once");
    const auto set = TrackerTest::RecordsOf(records, "profile_set");
    const auto increments = TrackerTest::RecordsOf(records, "profile_increment");
    ASSERT_EQ(setOnce.size(), 4u);  // three from the activity, one from the payment
    ASSERT_EQ(set.size(), 8u);      // seven from the activity, one from the payment
    ASSERT_EQ(increments.size(), 2u);
    EXPECT_TRUE(setOnce[0]["properties"].Has("$first_visit_time"));
    EXPECT_EQ(setOnce[2]["properties"]["$ios_install_source"].Text(),
              "android_id=123##imei=1234##mac=123");
    EXPECT_TRUE(setOnce[3]["properties"].Has("zr_first_paid_date"));
    EXPECT_EQ(set[1]["properties"]["zr_os"].Text(), "Windows");
    EXPECT_EQ(set[6]["properties"]["zr_last_app_version"].Text(), "1.7.9");
    EXPECT_TRUE(set[7]["properties"].Has("zr_last_paid_date"));
    EXPECT_EQ(increments[0]["properties"]["zr_paid_count"].NumberText(), "1");
    EXPECT_EQ(increments[1]["properties"]["zr_consumption"].NumberText(), "12.5");
    // Profile records carry only their one property.
    EXPECT_EQ(increments[1]["properties"].Size(), 1u);
}

TEST_F(EventCatalogueTest, LoginMakesTheUserTheDistinctId) {
    const ZrContextProperties context;
    const std::string deviceId = tracker_->getPrimaryDistinctId();
    ZrUserInfo user;
    user.userId = "user-42";
    user.userType = ZrUserType::Email;
    user.vipLevel = 3;
    tracker_->trackLogin(user, true, "", context);
    tracker_->trackLaunch(context);  // logged in: visit times go to the profile
    const JsonValue records = Finish();

    const auto logins = TrackerTest::RecordsOf(records, "track", "ZrEventLogin");
    ASSERT_EQ(logins.size(), 1u);
    EXPECT_EQ(logins[0]["distinct_id"].Text(), deviceId);
    EXPECT_EQ(logins[0]["properties"]["zr_login_id"].Text(), "user-42");
    EXPECT_EQ(logins[0]["properties"]["zr_type"].Text(), "email");
    EXPECT_EQ(logins[0]["properties"]["zr_result"].Text(), "Success");
    const auto signUps = TrackerTest::RecordsOf(records, "track_signup", "$SignUp");
    ASSERT_EQ(signUps.size(), 1u);
    EXPECT_EQ(signUps[0]["distinct_id"].Text(), "user-42");
    EXPECT_EQ(signUps[0]["original_id"].Text(), deviceId);
    const auto launches = TrackerTest::RecordsOf(records, "track", "ZrEventLaunch");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0]["distinct_id"].Text(), "user-42");
    EXPECT_TRUE(launches[0]["properties"]["$is_login_id"].Bool());
    EXPECT_EQ(launches[0]["properties"]["zr_user_id"].Text(), "user-42");
    EXPECT_EQ(TrackerTest::RecordsOf(records, "profile_set_once").size(), 2u);

    // The next run starts logged in.
    UsageTrackerImpl next(TrackerTest::ConfigFor(appName_, collector_->Url()));
    next.init();
    EXPECT_EQ(next.getPrimaryDistinctId(), deviceId);
    collector_->Reset();
    next.trackTask({"", "after", "", nullptr, nullptr}, context);
    next.trackUninstall("", context);
    ASSERT_TRUE(TrackerTest::WaitForRecords(*collector_, 2));
    const JsonValue later = collector_->Records();
    EXPECT_EQ(later[0]["distinct_id"].Text(), "user-42");
}

}  // namespace
