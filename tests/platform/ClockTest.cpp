#include <gtest/gtest.h>

#include "platform/Clock.h"

namespace {
// The 32-bit tick count wraps after 49.7 days of uptime.
TEST(Clock, TickAfterSurvivesTheWrap) {
    EXPECT_TRUE(TickAfter(11, 10));
    EXPECT_FALSE(TickAfter(10, 10));
    EXPECT_FALSE(TickAfter(9, 10));
    EXPECT_TRUE(TickAfter(0x00000005, 0xFFFFFFFA));
    EXPECT_FALSE(TickAfter(0xFFFFFFFA, 0x00000005));
    EXPECT_TRUE(TickAfter(0x80000000, 0x7FFFFFFF));
}
}  // namespace
