#include <gtest/gtest.h>

#include <array>

#include "engine/Frame.h"
#include "engine/Sprite.h"
#include "platform/ManualClock.h"

// However late the tick comes (a dragged window), a sprite moves one frame.
// The first changes fall past the 32-bit tick wrap.
TEST(SpriteTest, ShowsEachFrameStrictlyLongerThanItsDelayOneStepPerTick) {
    ManualClock clock{0xFFFFFF00u};
    std::array<Frame, 4> frames{};
    Sprite sprite;
    for (int i = 0; i < 4; ++i) {
        frames[static_cast<size_t>(i)].delay = 200;
        sprite.SetFrame(&frames[static_cast<size_t>(i)], i);
    }
    sprite.SetCurrentFrame(0);
    // The frame shown after `ms` more milliseconds and one Advance.
    auto after = [&](uint32_t ms) {
        clock.Advance(ms);
        sprite.Advance();
        return sprite.Current();
    };
    EXPECT_EQ(after(200), 0);
    EXPECT_EQ(after(1), 1);
    EXPECT_EQ(after(201), 2);
    EXPECT_EQ(after(201), 3);
    EXPECT_EQ(after(201), 0) << "loops at the first empty slot";
    EXPECT_EQ(after(5000), 1);
    EXPECT_EQ(after(201), 2);
}
