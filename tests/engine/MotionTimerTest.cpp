#include <gtest/gtest.h>

#include "engine/MotionTimer.h"
#include "platform/ManualClock.h"

// Callers stop when the truncated value reaches their distance, so a value
// that lands just below a whole number would cost a slide a tick. The start
// lies 256 ms before the 32-bit tick wrap, which the timer must survive.
TEST(MotionTimer, TruncatedValueReachesEveryWholeUnitOnTimeAcrossTheWrap) {
    for (float rate : {35.0f, 40.0f, 80.0f}) {
        ManualClock clock(0xFFFFFF00u);
        MotionTimer timer;
        timer.Start(rate);
        EXPECT_EQ(timer.Value(), 0.0f);
        for (uint32_t ms = 1; ms <= 3000; ++ms) {
            clock.Advance(1);
            int exact = static_cast<int>(ms * static_cast<uint32_t>(rate) / 1000);
            ASSERT_EQ(static_cast<int>(timer.Value()), exact) << "rate " << rate << " at " << ms;
        }
    }
}
