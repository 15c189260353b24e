#pragma once

// The fixture of the event catalogue tests: a real tracker posting to the
// test collector, and valid records that the cases vary.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "analytics/tracker/usage_tracker_impl.h"
#include "tests/tracker/tracker_test_env.h"

namespace CatalogueTest {

using namespace vorta::analytics;
using TestSupport::CollectorServer;
using TestSupport::JsonValue;

template <typename T>
ZrOptional<T> Some(T value) {
    return std::make_shared<T>(value);
}

inline ZrEventOrder ValidOrder() {
    ZrEventOrder order;
    order.suitId = "suit-1";
    order.currency = Some(ZrCurrency::USD);
    order.originalAmount = 19.9;
    order.paidAmount = 9.9;
    order.campaignCode = Some(7);
    return order;
}

inline ZrEventPayment ValidPayment() {
    ZrEventPayment payment;
    payment.orderId = "order-1";
    payment.currency = Some(ZrCurrency::CNY);
    payment.paidPlatform = Some(ZrPaidPlatform::AppleIAP);
    payment.result = Some(ZrResult::Success);
    payment.iapType = Some(ZrIapType::AutoRenewable);
    return payment;  // amounts 0: a payment may be free
}

inline ZrEventAppOpenNotification ValidNotification() {
    ZrEventAppOpenNotification notification;
    notification.msgTitle = "title";
    notification.planId = "plan-1";
    notification.planType = "push";
    notification.linkUrl = "https://example.invalid/";
    return notification;
}

inline ZrEventUpdate Update(ZrUpdateOp op, ZrOptional<ZrUpdateResult> result = nullptr,
                            ZrOptional<double> elapsed = nullptr) {
    return ZrEventUpdate{op, std::move(result), std::move(elapsed)};
}

using Operation = std::function<void(UsageTracker&, const ZrContextProperties&)>;

class EventCatalogueTest : public TrackerTest::CollectorSuite {
protected:
    void SetUp() override {
        CollectorSuite::SetUp();
        tracker_ =
            std::make_unique<UsageTrackerImpl>(TrackerTest::ConfigFor(appName_, collector_->Url()));
        tracker_->init();
    }

    // Destroys the tracker, which sends everything queued, and returns what
    // the collector received.
    JsonValue Finish() {
        tracker_.reset();
        return collector_->Records();
    }

    std::unique_ptr<UsageTrackerImpl> tracker_;
};

}  // namespace CatalogueTest
