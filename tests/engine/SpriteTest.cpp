#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/Frame.h"
#include "engine/Sprite.h"
#include "platform/ManualClock.h"
#include "support/TempWorkDir.h"

namespace {
constexpr const char* kSlotMarker = "ERROR OVER MAX_FRAME.err";
constexpr const char* kCurrentMarker = "ERROR OVER CURRENT FRAME OVER OR EQUAL TO MAX_FRAMES.err";

template <size_t N>
void Attach(Sprite& sprite, std::array<Frame, N>& frames) {
    for (size_t i = 0; i < N; ++i) sprite.SetFrame(&frames[i], static_cast<int>(i));
    sprite.SetCurrentFrame(0);
}

struct Change {
    uint32_t elapsed;
    int frame;
    bool operator==(const Change&) const = default;
};

// Advances every 10 ms for `duration` ms and records when the frame changes,
// in ms since the start.
std::vector<Change> RunEvery10ms(ManualClock& clock, Sprite& sprite, uint32_t duration) {
    std::vector<Change> changes;
    const uint32_t start = clock.Now();
    int shown = sprite.Current();
    for (uint32_t t = 10; t <= duration; t += 10) {
        clock.Advance(10);
        sprite.Advance();
        if (sprite.Current() != shown) {
            shown = sprite.Current();
            changes.push_back({clock.Now() - start, shown});
        }
    }
    return changes;
}
}  // namespace

TEST(Sprite, LoopsFourFramesEachShownJustOverTheirDelay) {
    // The second start puts the first change (start + 200) past the 32-bit wrap.
    for (uint32_t start : {1000u, 0xFFFFFF00u}) {
        ManualClock clock(start);
        std::array<Frame, 4> frames{};
        for (Frame& frame : frames) frame.delay = 200;
        Sprite sprite;
        Attach(sprite, frames);

        std::vector<Change> expected = {{210, 1}, {420, 2}, {630, 3}, {840, 0}, {1050, 1}};
        EXPECT_EQ(RunEvery10ms(clock, sprite, 1100), expected) << "start " << start;
        EXPECT_EQ(sprite.CurrentFrame(), &frames[1]);
    }
}

TEST(Sprite, TakesOneStepOnlyAfterALongPause) {
    ManualClock clock(0xFFFFF000u);
    std::array<Frame, 4> frames{};
    Sprite sprite;
    Attach(sprite, frames);

    clock.Advance(5000);  // across the wrap as well
    sprite.Advance();
    EXPECT_EQ(sprite.Current(), 1);
    sprite.Advance();
    EXPECT_EQ(sprite.Current(), 1);
    clock.Advance(100);
    sprite.Advance();
    EXPECT_EQ(sprite.Current(), 1);
    clock.Advance(1);
    sprite.Advance();
    EXPECT_EQ(sprite.Current(), 2);
}

TEST(Sprite, LoopsAtTheLastSlotAndAtTheFirstEmptySlot) {
    ManualClock clock;
    std::array<Frame, MAX_FRAMES> frames{};
    for (Frame& frame : frames) frame.delay = 0;
    Sprite sprite;
    Attach(sprite, frames);
    sprite.SetCurrentFrame(MAX_FRAMES - 1);
    clock.Advance(1);
    sprite.Advance();
    EXPECT_EQ(sprite.CurrentFrame(), &frames[0]);

    sprite.SetFrame(nullptr, 2);
    clock.Advance(1);
    sprite.Advance();
    clock.Advance(1);
    sprite.Advance();
    EXPECT_EQ(sprite.CurrentFrame(), &frames[0]);
}

TEST(Sprite, OneFrameStaysAndAClearedSpriteShowsNothing) {
    ManualClock clock;
    std::array<Frame, 1> frames{};
    Sprite sprite;
    Attach(sprite, frames);
    EXPECT_TRUE(RunEvery10ms(clock, sprite, 2000).empty());
    EXPECT_EQ(sprite.CurrentFrame(), &frames[0]);
    sprite.ClearFrames();
    EXPECT_TRUE(RunEvery10ms(clock, sprite, 2000).empty());
    EXPECT_EQ(sprite.CurrentFrame(), nullptr);
}

TEST(Sprite, SlotIndexOutOfBoundsLeavesMarkerAndKeepsSlots) {
    TempWorkDir dir;
    dir.WriteFile(kSlotMarker, "earlier run");
    ManualClock clock;
    std::array<Frame, 2> frames{};
    Frame intruder;
    Sprite sprite;
    Attach(sprite, frames);

    sprite.SetFrame(&intruder, MAX_FRAMES);
    ASSERT_TRUE(dir.Exists(kSlotMarker));
    EXPECT_EQ(dir.ReadFile(kSlotMarker), "");
    sprite.SetFrame(&intruder, -1);

    for (int slot = 0; slot < MAX_FRAMES; ++slot) {
        sprite.SetCurrentFrame(slot);
        EXPECT_EQ(sprite.CurrentFrame(), slot < 2 ? &frames[static_cast<size_t>(slot)] : nullptr);
    }
    EXPECT_FALSE(dir.Exists(kCurrentMarker));
}

TEST(Sprite, CurrentIndexOutOfBoundsShowsNothingUntilItLoops) {
    TempWorkDir dir;
    ManualClock clock;
    std::array<Frame, 2> frames{};
    Sprite sprite;
    Attach(sprite, frames);

    sprite.SetCurrentFrame(MAX_FRAMES);
    EXPECT_TRUE(dir.Exists(kSlotMarker));
    EXPECT_FALSE(dir.Exists(kCurrentMarker));
    EXPECT_EQ(sprite.CurrentFrame(), nullptr);
    EXPECT_TRUE(dir.Exists(kCurrentMarker));
    EXPECT_EQ(dir.ReadFile(kCurrentMarker), "");

    clock.Advance(1);
    sprite.Advance();
    EXPECT_EQ(sprite.CurrentFrame(), &frames[0]);

    sprite.SetCurrentFrame(-7);
    EXPECT_EQ(sprite.CurrentFrame(), nullptr);
    clock.Advance(1);
    sprite.Advance();
    EXPECT_EQ(sprite.CurrentFrame(), &frames[0]);
}
