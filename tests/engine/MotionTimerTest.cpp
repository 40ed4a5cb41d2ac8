#include <gtest/gtest.h>

#include "engine/MotionTimer.h"
#include "platform/ManualClock.h"
#include "support/AllocationCounter.h"

TEST(MotionTimer, IsZeroAtStartAndGrowsWithTheRate) {
    ManualClock clock(5000);
    MotionTimer timer;
    timer.Start(40);
    EXPECT_EQ(timer.Value(), 0.0f);
    clock.Advance(250);
    EXPECT_EQ(static_cast<int>(timer.Value()), 10);
    EXPECT_FLOAT_EQ(timer.Value(), 10.0f);
}

TEST(MotionTimer, KeepsCountingAcrossTheTickWrap) {
    ManualClock clock(0xFFFFFFFFu - 99);
    MotionTimer timer;
    timer.Start(40);
    clock.Advance(250);
    EXPECT_LT(clock.Now(), 1000u);
    EXPECT_EQ(static_cast<int>(timer.Value()), 10);
}

TEST(MotionTimer, TruncatedValueReachesEveryWholeUnitOnTime) {
    // Callers stop when the truncated value reaches their distance, so a value
    // that lands just below a whole number would cost a slide a tick.
    for (float rate : {35.0f, 40.0f, 80.0f}) {
        ManualClock clock(0xFFFFFF00u);
        MotionTimer timer;
        timer.Start(rate);
        for (uint32_t ms = 1; ms <= 3000; ++ms) {
            clock.Advance(1);
            int exact = static_cast<int>(ms * static_cast<uint32_t>(rate) / 1000);
            ASSERT_EQ(static_cast<int>(timer.Value()), exact) << "rate " << rate << " at " << ms;
        }
    }
}

TEST(MotionTimer, ValueAllocatesNothing) {
    if (!AllocationCounter::Available())
        GTEST_SKIP() << "allocations are only counted in sanitizer builds";
    ManualClock clock;
    MotionTimer timer;
    timer.Start(80);
    float sum = 0;
    AllocationCounter counter;
    for (int i = 0; i < 100; ++i) {
        clock.Advance(10);
        sum += timer.Value();
    }
    EXPECT_EQ(counter.Count(), 0);
    EXPECT_GT(sum, 0);
}
