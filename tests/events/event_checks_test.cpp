// The catalogue's checks through a real tracker: every refused event names
// its fault with the exact message and queues nothing.

#include "analytics/tracker/zr_exception.h"
#include "tests/events/catalogue_fixture.h"

namespace {

using namespace CatalogueTest;

TEST_F(EventCatalogueTest, RefusedEventsNameTheirFaultAndQueueNothing) {
    const struct {
        const char* function;
        const char* message;
        Operation operation;
    } cases[] = {
        {"trackClick", "zrEventClick.name is empty",
         [](UsageTracker& t, auto& c) { t.trackClick(ZrEventClick{}, c); }},
        {"toString", "Unknown ClickType [7]!",
         [](UsageTracker& t, auto& c) {
             ZrEventClick click;
             click.name = "x";
             click.clickType = static_cast<ClickType>(7);
             t.trackClick(click, c);
         }},
        {"trackView", "zrEventView.name is empty",
         [](UsageTracker& t, auto& c) { t.trackView(ZrEventView{}, c); }},
        {"trackCashier", "zrEventCashier.zr_cashier_name is empty",
         [](UsageTracker& t, auto& c) { t.trackCashier(ZrEventCashier{}, c); }},
        {"trackTask", "zrEventTask.name is empty",
         [](UsageTracker& t, auto& c) { t.trackTask(ZrEventTask{}, c); }},
        {"toString", "Unknown task result [9]!",
         [](UsageTracker& t, auto& c) {
             t.trackTask({"", "x", "", nullptr, Some(static_cast<ZrResult>(9))}, c);
         }},
        {"trackFile", "zrEventFile.aname is empty",
         [](UsageTracker& t, auto& c) { t.trackFile(ZrEventFile{}, c); }},
        {"toString", "the io type is invalid",
         [](UsageTracker& t, auto& c) {
             ZrEventFile file;
             file.aname = "a";
             file.io = Some(static_cast<ZrIoType>(5));
             t.trackFile(file, c);
         }},
        {"trackOrder", "zrEventOrder.zrSuitId is empty",
         [](UsageTracker& t, auto& c) {
             ZrEventOrder order = ValidOrder();
             order.suitId.clear();
             t.trackOrder(order, c);
         }},
        {"trackOrder", "zrEventOrder.zrCurrency is nullptr",
         [](UsageTracker& t, auto& c) {
             ZrEventOrder order = ValidOrder();
             order.currency = nullptr;
             t.trackOrder(order, c);
         }},
        {"trackOrder", "zrEventOrder.originalAmount is less than zero",
         [](UsageTracker& t, auto& c) {
             ZrEventOrder order = ValidOrder();
             order.originalAmount = 0;
             t.trackOrder(order, c);
         }},
        {"trackOrder", "zrEventOrder.paidAmount is not greater than zero",
         [](UsageTracker& t, auto& c) {
             ZrEventOrder order = ValidOrder();
             order.paidAmount = 0;
             t.trackOrder(order, c);
         }},
        {"trackPayment", "zrEventPayment.zrOrderId is empty",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.orderId.clear();
             t.trackPayment(payment, c);
         }},
        {"trackPayment", "paidAmount = -1.000000 is invalid",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.paidAmount = -1;
             t.trackPayment(payment, c);
         }},
        {"trackPayment", "originalAmount = -2.500000 is invalid",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.originalAmount = -2.5;
             t.trackPayment(payment, c);
         }},
        {"trackPayment", "zrEventPayment.result is invalid",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.result = nullptr;
             t.trackPayment(payment, c);
         }},
        {"trackPayment", "zrEventPayment.result is invalid",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.result = Some(ZrResult::Cancelled);
             t.trackPayment(payment, c);
         }},
        {"trackPayment", "zrEventPayment.zrCurrency is nullptr",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.currency = nullptr;
             t.trackPayment(payment, c);
         }},
        {"trackPayment", "zrEventPayment.paidPlatform is nullptr",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.paidPlatform = nullptr;
             t.trackPayment(payment, c);
         }},
        {"toString", "Unknown zrIapType [0]!",
         [](UsageTracker& t, auto& c) {
             ZrEventPayment payment = ValidPayment();
             payment.iapType = Some(static_cast<ZrIapType>(0));
             t.trackPayment(payment, c);
         }},
        {"trackUpdate", "Unknown updateResultInfo info",
         [](UsageTracker& t, auto& c) { t.trackUpdate(Update(ZrUpdateOp::DownloadEnd), c); }},
        {"trackUpdate", "invalid elapsed info",
         [](UsageTracker& t, auto& c) {
             t.trackUpdate(Update(ZrUpdateOp::UpgrateEnd, Some(ZrUpdateResult::Success)), c);
         }},
        {"toString", "Unknown ZrUpdateOp [9]!",
         [](UsageTracker& t, auto& c) { t.trackUpdate(Update(static_cast<ZrUpdateOp>(9)), c); }},
        {"trackAppOpenNotification", "&appOpenNotification is nullptr",
         [](UsageTracker& t, auto& c) { t.trackAppOpenNotification(nullptr, c); }},
        {"trackAppOpenNotification", "planID is emptry",
         [](UsageTracker& t, auto& c) {
             ZrEventAppOpenNotification notification;  // everything missing
             t.trackAppOpenNotification(&notification, c);
         }},
        {"trackAppOpenNotification", "planType is emptry",
         [](UsageTracker& t, auto& c) {
             ZrEventAppOpenNotification notification = ValidNotification();
             notification.planType.clear();
             notification.msgTitle.clear();
             t.trackAppOpenNotification(&notification, c);
         }},
        {"trackAppOpenNotification", "msgTitle is emptry",
         [](UsageTracker& t, auto& c) {
             ZrEventAppOpenNotification notification = ValidNotification();
             notification.msgTitle.clear();
             t.trackAppOpenNotification(&notification, c);
         }},
        {"userType", "Unknown user type [20]!",
         [](UsageTracker& t, auto& c) {
             ZrUserInfo user;
             user.userType = static_cast<ZrUserType>(20);
             t.trackLogin(user, true, "", c);
         }},
    };
    const ZrContextProperties context;
    for (const auto& c : cases) {
        try {
            c.operation(*tracker_, context);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const ZrException& error) {
            EXPECT_STREQ(error.what(), c.message);
            EXPECT_EQ(error.function(), c.function) << c.message;
        }
    }
    EXPECT_EQ(Finish().Size(), 0u);
}

}  // namespace
