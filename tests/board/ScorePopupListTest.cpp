#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "board/ScorePopupList.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

namespace {

constexpr uint32_t kGround = 0x102030;

uint32_t PictureColour(int index) {
    return 0x402000u + 0x100010u * static_cast<uint32_t>(index);
}

class ScorePopupListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 7; ++i) {
            const uint32_t colour = PictureColour(i);
            dir_.WriteFile(
                "Graphics/Gui/" + std::to_string(ScorePopupList::kPointValues[i]) + " Points.bmp",
                MakeBmp(100, 40, [colour](int, int) { return colour; }));
        }
        dir_.WriteFile("Sounds/Score.wav", PcmWav(std::vector<int16_t>(40000, 1000)));
        ASSERT_TRUE(display_->Create(nullptr));
        ASSERT_TRUE(display_->SetWindowed(625, 440));
        popups_ = std::make_unique<ScorePopupList>(*display_, sounds_);
        sounds_.TakeStarted();
    }

    // Clears the screen, runs one update and returns the top row the picture
    // at column x was drawn from, or -1 when it was not drawn.
    int UpdateAndFindTop(int x) {
        display_->FillRect(0, 0, 625, 440, kGround);
        popups_->UpdateAndDraw(*display_);
        for (int y = 0; y < 440; ++y) {
            if (display_->PixelAt(x, y) != kGround) {
                return y;
            }
        }
        return -1;
    }

    TempWorkDir dir_;
    ManualClock clock_{50000};
    std::unique_ptr<Display> display_ = std::make_unique<Display>();
    SoundSystem sounds_;
    std::unique_ptr<ScorePopupList> popups_;
};

TEST_F(ScorePopupListTest, RisesFiftyPixelsThenGoes) {
    popups_->Spawn(25, 120, 280);
    EXPECT_EQ(sounds_.TakeStarted(), std::vector<std::string>{"Sounds\\Score.wav"});
    EXPECT_EQ(UpdateAndFindTop(150), 280);

    clock_.Advance(1000);
    EXPECT_EQ(UpdateAndFindTop(150), 245);

    clock_.Advance(428);  // 49.98 pixels
    EXPECT_EQ(UpdateAndFindTop(150), 231);
    EXPECT_FALSE(popups_->Slot(0)->done);

    clock_.Advance(1);  // 50 pixels: drawn once more, then gone
    EXPECT_EQ(UpdateAndFindTop(150), 230);
    EXPECT_TRUE(popups_->Slot(0)->done);
    EXPECT_EQ(UpdateAndFindTop(150), -1);
    EXPECT_EQ(popups_->Slot(0), nullptr);
    EXPECT_EQ(popups_->LiveCount(), 0);
}

TEST_F(ScorePopupListTest, APopupAtTheTopStaysThereUntilItsTimeIsUp) {
    popups_->Spawn(100, 40, 0);
    EXPECT_EQ(UpdateAndFindTop(60), 0);
    clock_.Advance(1000);
    EXPECT_EQ(UpdateAndFindTop(60), 0);
    clock_.Advance(429);
    EXPECT_EQ(UpdateAndFindTop(60), 0);
    EXPECT_EQ(UpdateAndFindTop(60), -1);
}

TEST_F(ScorePopupListTest, FreeSlotsAreTakenLowestFirst) {
    popups_->Spawn(25, 0, 300);
    clock_.Advance(1000);
    popups_->Spawn(50, 100, 300);
    popups_->Spawn(100, 200, 300);
    clock_.Advance(429);
    popups_->UpdateAndDraw(*display_);  // the first is done
    popups_->UpdateAndDraw(*display_);  // and removed
    EXPECT_EQ(popups_->Slot(0), nullptr);
    popups_->Spawn(250, 300, 300);
    ASSERT_NE(popups_->Slot(0), nullptr);
    EXPECT_EQ(popups_->Slot(0)->x, 300);
    EXPECT_EQ(popups_->Slot(1)->x, 100);
    EXPECT_EQ(popups_->Slot(2)->x, 200);
}

TEST_F(ScorePopupListTest, AFullListStillPlaysTheSound) {
    for (int i = 0; i < ScorePopupList::kSlots; ++i) {
        popups_->Spawn(25, 0, 100);
    }
    EXPECT_EQ(popups_->LiveCount(), 100);
    sounds_.Stop(*popups_->Slot(0)->sound);
    sounds_.TakeStarted();
    popups_->Spawn(5000, 300, 300);
    EXPECT_EQ(sounds_.TakeStarted(), std::vector<std::string>{"Sounds\\Score.wav"});
    EXPECT_EQ(popups_->LiveCount(), 100);
    EXPECT_EQ(UpdateAndFindTop(350), -1);
}

}  // namespace
