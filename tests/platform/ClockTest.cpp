#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/ManualClock.h"
#include "platform/SystemClock.h"

namespace {
TEST(Clock, TickAfterSurvivesTheWrap) {
    EXPECT_TRUE(TickAfter(11, 10));
    EXPECT_FALSE(TickAfter(10, 10));
    EXPECT_FALSE(TickAfter(9, 10));
    EXPECT_TRUE(TickAfter(0x00000005, 0xFFFFFFFA));  // after the wrap
    EXPECT_FALSE(TickAfter(0xFFFFFFFA, 0x00000005));
    EXPECT_TRUE(TickAfter(0x80000000, 0x7FFFFFFF));
}

TEST(Clock, AManualClockRulesWhileItLivesAndSleepAdvancesIt) {
    {
        ManualClock clock(0xFFFFFFFE);
        EXPECT_EQ(&Clock::Current(), &clock);
        SleepFor(500);
        EXPECT_EQ(TickCount(), 498u);
        clock.Advance(2);
        EXPECT_EQ(TickCount(), 500u);
    }
    EXPECT_NE(dynamic_cast<SystemClock*>(&Clock::Current()), nullptr);
}
}  // namespace
