#include <gtest/gtest.h>

#include "board/BoardFixture.h"

using namespace board_test;

namespace {

constexpr uint32_t kGround = 0x102030;

class ScorePopupListTest : public BoardFixture {
  protected:
    void Update() {
        display_->FillRect(0, 0, 625, 440, kGround);
        popups().UpdateAndDraw(*display_);
    }
    // The top row of what was drawn in column x, or -1 for nothing.
    int TopAt(int x) const {
        for (int y = 0; y < 440; ++y) {
            if (display_->PixelAt(x, y) != kGround)
                return y;
        }
        return -1;
    }
    ScorePopupList& popups() { return *board_.Popups(); }
};

// 35 pixels a second for 50 pixels, drawn once more at the end, then gone;
// one starting at the top stays there for the same time.
TEST_F(ScorePopupListTest, RisesFiftyPixelsThenGoes) {
    popups().Spawn(25, 120, 280);
    EXPECT_EQ(Started("Sounds\\Score.wav"), 1);
    popups().Spawn(100, 300, 0);
    const struct {
        uint32_t advance;
        int top, topOfTheTopOne;
    } steps[] = {{0, 280, 0}, {1000, 245, 0}, {428, 231, 0}, {1, 230, 0}, {0, -1, -1}};
    for (const auto& step : steps) {
        clock_.Advance(step.advance);
        Update();
        EXPECT_EQ(TopAt(150), step.top);
        EXPECT_EQ(TopAt(350), step.topOfTheTopOne);
    }
    EXPECT_EQ(popups().LiveCount(), 0);
}

TEST_F(ScorePopupListTest, FreeSlotsAreTakenLowestFirst) {
    popups().Spawn(25, 0, 300);
    clock_.Advance(1000);
    popups().Spawn(50, 100, 300);
    popups().Spawn(100, 200, 300);
    clock_.Advance(429);
    Update();  // the first is done
    Update();  // and removed
    popups().Spawn(250, 300, 300);
    EXPECT_EQ(popups().Slot(0)->x, 300);
    EXPECT_EQ(popups().Slot(1)->x, 100);
    EXPECT_EQ(popups().Slot(2)->x, 200);
}

TEST_F(ScorePopupListTest, AFullListStillPlaysTheSound) {
    for (int i = 0; i < ScorePopupList::kSlots; ++i) popups().Spawn(25, 0, 100);
    sounds_.Stop(*popups().Slot(0)->sound);
    sounds_.TakeStarted();
    popups().Spawn(5000, 300, 300);
    EXPECT_EQ(Started("Sounds\\Score.wav"), 1);
    EXPECT_EQ(popups().LiveCount(), ScorePopupList::kSlots);
    Update();
    EXPECT_EQ(TopAt(350), -1);
}

}  // namespace
