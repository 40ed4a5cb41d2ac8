#include <gtest/gtest.h>

#include <array>

#include "engine/Frame.h"
#include "engine/Sprite.h"
#include "platform/ManualClock.h"

namespace {
class SpriteTest : public ::testing::Test {
  protected:
    // The sprite shows the first `count` frames, from frame 0.
    void Attach(int count, int delay) {
        for (int i = 0; i < count; ++i) {
            frames_[static_cast<size_t>(i)].delay = delay;
            sprite_.SetFrame(&frames_[static_cast<size_t>(i)], i);
        }
        sprite_.SetCurrentFrame(0);
    }
    // The frame shown after `ms` more milliseconds and one Advance.
    int After(uint32_t ms) {
        clock_.Advance(ms);
        sprite_.Advance();
        return sprite_.Current();
    }

    ManualClock clock_{0xFFFFFF00u};  // the first changes fall past the 32-bit wrap
    std::array<Frame, MAX_FRAMES> frames_{};
    Sprite sprite_;
};

// However late the tick comes (a dragged window), a sprite moves one frame.
TEST_F(SpriteTest, ShowsEachFrameStrictlyLongerThanItsDelayOneStepPerTick) {
    Attach(4, 200);
    EXPECT_EQ(After(200), 0);
    EXPECT_EQ(After(1), 1);
    EXPECT_EQ(After(201), 2);
    EXPECT_EQ(After(201), 3);
    EXPECT_EQ(After(201), 0) << "loops at the first empty slot";
    EXPECT_EQ(After(5000), 1);
    EXPECT_EQ(After(201), 2);
}

}  // namespace
