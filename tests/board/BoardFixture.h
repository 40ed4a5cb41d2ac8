#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/BoardBuilder.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

namespace board_test {

// A headless board as a game mode sets it up: clear sound, popup list (with
// its score sound) and a display to draw on, in a fresh working directory.
class BoardFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.WriteFile("Sounds/Zoh.wav", PcmWav(std::vector<int16_t>(20000, 1000)));
        dir_.WriteFile("Sounds/Score.wav", PcmWav(std::vector<int16_t>(20000, 1000)));
        for (int32_t points : ScorePopupList::kPointValues) {
            dir_.WriteFile("Graphics/Gui/" + std::to_string(points) + " Points.bmp",
                           MakeBmp(100, 40, [](int, int) { return 0xE0C040u; }));
        }
        ASSERT_TRUE(display_->Create(nullptr));
        ASSERT_TRUE(display_->SetWindowed(625, 440));
        board_.clearSound = std::make_unique<Sound>();
        board_.clearSound->LoadWav("Sounds\\Zoh.wav", sounds_);
        board_.popups = std::make_unique<ScorePopupList>(*display_, sounds_);
        sounds_.TakeStarted();
    }

    int Started(const std::string& path) {
        int count = 0;
        for (const std::string& started : sounds_.TakeStarted()) {
            count += started == path ? 1 : 0;
        }
        return count;
    }

    std::vector<const ScorePopup*> LivePopups() const {
        std::vector<const ScorePopup*> live;
        for (int i = 0; i < ScorePopupList::kSlots; ++i) {
            if (const ScorePopup* popup = board_.popups->Slot(i)) {
                live.push_back(popup);
            }
        }
        return live;
    }

    TempWorkDir dir_;
    ManualClock clock_{20000};
    std::unique_ptr<Display> display_ = std::make_unique<Display>();
    SoundSystem sounds_;
    Board board_;
};

}  // namespace board_test
