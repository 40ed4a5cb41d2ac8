#include <gtest/gtest.h>

#include <string>

#include "engine/Display.h"
#include "engine/FrameSet.h"
#include "platform/ManualClock.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"

namespace {
constexpr uint32_t kGround = 0x203040;
constexpr const char* kBase = "Graphics\\Vlims\\Blue Vlim Emotion ";
constexpr const char* kFolder = "Graphics/Vlims/Blue Vlim Emotion ";

// Frame n's picture is one colour that names n.
uint32_t ColourOf(int n) {
    return 0x400000u + static_cast<uint32_t>(n);
}

class FrameSetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(display.Create(nullptr));
        ASSERT_TRUE(display.SetWindowed(625, 440));
    }

    void WriteFrames(int count) const {
        for (int n = 1; n <= count; ++n) {
            dir.WriteFile(kFolder + std::to_string(n) + ".bmp",
                          MakeBmp(4, 4, [n](int, int) { return ColourOf(n); }));
        }
    }

    // The colour the frame's picture puts on the back buffer.
    uint32_t Drawn(const Frame* frame) {
        display.FillRect(0, 0, 4, 4, kGround);
        EXPECT_NE(frame, nullptr);
        if (frame != nullptr)
            display.DrawImage(frame->image.get(), 0, 0);
        return display.PixelAt(1, 1);
    }

    TempWorkDir dir;
    ManualClock clock;
    Display display;
    FrameSet set;
};
}  // namespace

TEST_F(FrameSetTest, LoadsNumberedFilesWithoutLeadingZerosAndMissingOnesTransparent) {
    WriteFrames(11);  // the twelfth is missing
    set.LoadFrames(display, kBase, 12, 150, 4, 4);

    ASSERT_EQ(set.Count(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(Drawn(set.FrameAt(i)), i < 11 ? ColourOf(i + 1) : kGround) << "slot " << i;
        EXPECT_EQ(set.FrameAt(i)->delay, 150);
    }
    EXPECT_EQ(set.FrameAt(12), nullptr);
}

TEST_F(FrameSetTest, CountIsKeptWithinTheSlots) {
    WriteFrames(MAX_FRAMES + 2);
    set.LoadFrames(display, kBase, MAX_FRAMES + 2, 100, 4, 4);
    EXPECT_EQ(set.Count(), MAX_FRAMES);
    EXPECT_EQ(Drawn(set.FrameAt(MAX_FRAMES - 1)), ColourOf(MAX_FRAMES));
    EXPECT_EQ(set.FrameAt(MAX_FRAMES), nullptr);

    set.LoadFrames(display, kBase, -3, 100, 4, 4);
    EXPECT_EQ(set.Count(), 0);
    EXPECT_EQ(set.FrameAt(0), nullptr);
}

TEST_F(FrameSetTest, SpritesShareTheSetsFramesAndStartOnTheFirst) {
    WriteFrames(3);
    set.LoadFrames(display, kBase, 3, 100, 4, 4);
    auto sprite = set.CreateSprite();
    EXPECT_EQ(sprite->CurrentFrame(), set.FrameAt(0));
    for (int step = 1; step <= 3; ++step) {
        clock.Advance(101);
        sprite->Advance();
        EXPECT_EQ(sprite->CurrentFrame(), set.FrameAt(step % 3)) << "after step " << step;
    }
}

TEST_F(FrameSetTest, FreeFramesEmptiesEverySlot) {
    WriteFrames(2);
    set.LoadFrames(display, kBase, 2, 100, 4, 4);
    auto sprite = set.CreateSprite();
    set.FreeFrames();
    EXPECT_EQ(set.Count(), 0);
    EXPECT_EQ(set.FrameAt(0), nullptr);
    EXPECT_EQ(set.FrameAt(1), nullptr);
    sprite->ClearFrames();  // what pieces do before deleting their sprites
    EXPECT_EQ(sprite->CurrentFrame(), nullptr);

    auto empty = set.CreateSprite();
    EXPECT_EQ(empty->CurrentFrame(), nullptr);
}
