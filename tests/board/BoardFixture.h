#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

namespace board_test {

// The board with what a game mode hands it opened up to the tests.
class TestBoard : public Board {
  public:
    using Board::Popups;
    using Board::SetClearSound;
    using Board::SetHint;
    using Board::SetPopups;
};

// `count` cells of one colour from (x, y) on in steps of (dx, dy).
struct CellRun {
    int32_t x, y, dx, dy, count, colour;
};

// A headless board as a game mode sets it up (clear sound, popup list with
// its pictures and score sound, a display) in a fresh working directory. It
// starts quiet: colours 1 to 4 with no run of two along any row, column or
// diagonal, so that tests paint their lines over it in Purple and White.
class BoardFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.WriteFile("Sounds/Zoh.wav", PcmWav(std::vector<int16_t>(20000, 1000)));
        dir_.WriteFile("Sounds/Score.wav", PcmWav(std::vector<int16_t>(20000, 1000)));
        for (int32_t points : kLinePoints) {
            dir_.WriteFile("Graphics/Gui/" + std::to_string(points) + " Points.bmp",
                           MakeBmp(100, 40, [](int, int) { return 0xE0C040u; }));
        }
        ASSERT_TRUE(display_->Create(nullptr));
        ASSERT_TRUE(display_->SetWindowed(625, 440));
        auto clearSound = std::make_unique<Sound>();
        clearSound->LoadWav("Sounds\\Zoh.wav", sounds_);
        board_.SetClearSound(std::move(clearSound));
        board_.SetPopups(std::make_unique<ScorePopupList>(*display_, sounds_));
        FillQuiet();
        sounds_.TakeStarted();
    }

    void FillQuiet() {
        for (int32_t i = 0; i < Board::kCellCount; ++i) {
            const int32_t x = i % Board::kColumns, y = i / Board::kColumns;
            Paint({x, y, 0, 0, 1, 1 + (x + 2 * y) % 4});
        }
    }

    void Paint(const CellRun& run) {
        for (int32_t i = 0; i < run.count; ++i) {
            board_.PlacePiece(run.x + i * run.dx, run.y + i * run.dy, run.colour);
        }
    }

    void PaintAll(int32_t colour) {
        for (int32_t y = 0; y < Board::kRows; ++y) {
            Paint({0, y, 1, 0, Board::kColumns, colour});
        }
    }

    std::array<const Piece*, Board::kCellCount> Snapshot() const {
        std::array<const Piece*, Board::kCellCount> pieces{};
        for (int32_t i = 0; i < Board::kCellCount; ++i) {
            pieces[i] = board_.At(i % Board::kColumns, i / Board::kColumns);
        }
        return pieces;
    }

    int CountColour(int32_t colour) const {
        const auto colours = board_.Colours();
        return static_cast<int>(std::count(colours.begin(), colours.end(), colour));
    }

    int Started(const std::string& path) {
        const std::vector<std::string> started = sounds_.TakeStarted();
        return static_cast<int>(std::count(started.begin(), started.end(), path));
    }

    TempWorkDir dir_;
    ManualClock clock_{20000};
    std::unique_ptr<Display> display_ = std::make_unique<Display>();
    SoundSystem sounds_;
    TestBoard board_;
};

}  // namespace board_test
