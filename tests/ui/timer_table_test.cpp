// The per-control timer records: one system timer id per (control, id),
// handed out in turn modulo 255, kept while killed for re-arming.

#include <gtest/gtest.h>

#include "ui/framework/control.h"
#include "ui/framework/timer_table.h"

namespace {

using SkinUI::TimerTable;
using SetResult = TimerTable::SetResult;

TEST(TimerTable, SetKillAndReArm) {
    TimerTable timers;
    CControl root;
    CControl animation;

    const auto first = timers.Set(&root, 5669);
    EXPECT_EQ(first.result, SetResult::Armed);
    EXPECT_EQ(first.systemId, 1u);
    const auto second = timers.Set(&animation, 2100);
    EXPECT_EQ(second.systemId, 2u);
    EXPECT_EQ(timers.Set(&root, 5669).result, SetResult::AlreadyRunning);

    ASSERT_TRUE(timers.Running(1));
    EXPECT_EQ(timers.Running(1)->control, &root);
    EXPECT_EQ(timers.Running(1)->id, 5669u);

    EXPECT_EQ(timers.Kill(&root, 5669), 1u);
    EXPECT_FALSE(timers.Kill(&root, 5669));
    EXPECT_FALSE(timers.Running(1));
    const auto reArmed = timers.Set(&root, 5669);
    EXPECT_EQ(reArmed.result, SetResult::Armed);
    EXPECT_EQ(reArmed.systemId, 1u);

    EXPECT_EQ(timers.RemoveControl(&animation), std::vector<UINT>{2});
    EXPECT_FALSE(timers.Running(2));
    EXPECT_FALSE(timers.Kill(&animation, 2100));
}

TEST(TimerTable, SystemIdsWrapAt255AndSkipIdsInUse) {
    TimerTable timers;
    CControl control;
    for (UINT id = 1; id <= 254; ++id) {
        const auto outcome = timers.Set(&control, 1000 + id);
        ASSERT_EQ(outcome.result, SetResult::Armed);
        ASSERT_EQ(outcome.systemId, id);
    }
    // 255 mod 255 is 0, which is no timer id; every other id is taken, even
    // by killed records.
    timers.Kill(&control, 1001);
    EXPECT_EQ(timers.Set(&control, 5).result, SetResult::NoFreeId);

    // A control that goes away frees its ids; the count goes on after the
    // last id handed out (254), so it wraps around to them.
    TimerTable wrapping;
    CControl early;
    CControl late;
    wrapping.Set(&early, 1);
    wrapping.Set(&early, 2);
    for (UINT id = 3; id <= 254; ++id) wrapping.Set(&late, id);
    wrapping.RemoveControl(&early);
    EXPECT_EQ(wrapping.Set(&late, 300).systemId, 1u);
    EXPECT_EQ(wrapping.Set(&late, 301).systemId, 2u);
    EXPECT_EQ(wrapping.Set(&late, 302).result, SetResult::NoFreeId);
}

}  // namespace
