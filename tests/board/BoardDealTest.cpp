#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "board/BoardFixture.h"

using namespace board_test;

namespace {

using BoardDealTest = BoardFixture;

TEST_F(BoardDealTest, DealtBoardsHoldNoLineOnEveryDifficulty) {
    for (int32_t difficulty : {Easy, NormalDifficulty, Hard}) {
        board_.difficulty = difficulty;
        for (unsigned seed = 1; seed <= 30; ++seed) {
            std::srand(seed);
            for (auto& cell : board_.cells) {
                cell.reset();
            }
            board_.DealWithoutLines();
            for (const auto& cell : board_.cells) {
                ASSERT_NE(cell, nullptr);
                EXPECT_EQ(cell->mood, Standard);
                EXPECT_TRUE(cell->growing);
            }
            EXPECT_TRUE(board_.FindLines(4).Empty()) << difficulty << " seed " << seed;
            if (difficulty == Easy) {
                EXPECT_EQ(CountColour(board_, White), 0);
            }
        }
    }
    EXPECT_FALSE(dir_.Exists(Board::kDealMarkerFile));
}

TEST_F(BoardDealTest, DealingRerollsOnlyTheCellsOfLines) {
    board_.difficulty = Easy;
    FillQuiet(board_);
    for (int32_t x = 2; x < 7; ++x) {
        Paint(board_, x, 4, Purple);
    }
    const auto before = Snapshot(board_);
    std::srand(9);
    board_.DealWithoutLines();
    EXPECT_TRUE(board_.FindLines(4).Empty());
    for (int32_t i = 0; i < Board::kCellCount; ++i) {
        const bool inLine = i >= Board::CellIndex(2, 4) && i <= Board::CellIndex(6, 4);
        if (!inLine) {
            EXPECT_EQ(board_.cells[i].get(), before[i]) << i;
        }
    }
}

// A changed saved game can carry a difficulty outside 1 to 3: everything is
// dealt Blue, every pass finds lines, and dealing gives up after its last pass.
TEST_F(BoardDealTest, AnUnknownDifficultyDealsBlueUntilThePassLimit) {
    board_.difficulty = 4;
    EXPECT_EQ(RandCallsMadeBy(1, [&] { board_.DealWithoutLines(); }), 0);
    EXPECT_EQ(CountColour(board_, Blue), Board::kCellCount);
    EXPECT_FALSE(board_.FindLines(4).Empty());
    EXPECT_TRUE(dir_.Exists(Board::kDealMarkerFile));
    EXPECT_EQ(dir_.ReadFile(Board::kDealMarkerFile), "");
}

TEST_F(BoardDealTest, NewBoardDealsAfreshClearsTheHintAndGrowsEveryPieceTogether) {
    board_.difficulty = Hard;
    std::srand(4);
    board_.DealWithoutLines();
    board_.hintShown = true;
    board_.hintX1 = 1, board_.hintY1 = 2, board_.hintX2 = 2, board_.hintY2 = 2;
    sounds_.TakeStarted();
    clock_.Advance(2500);

    board_.NewBoard();
    EXPECT_FALSE(board_.hintShown);
    EXPECT_EQ((std::array{board_.hintX1, board_.hintY1, board_.hintX2, board_.hintY2}),
              (std::array<int32_t, 4>{-1, -1, -1, -1}));
    EXPECT_TRUE(board_.FindLines(4).Empty());
    EXPECT_EQ(Started("Sounds\\Zoh.wav"), 1);
    for (const auto& cell : board_.cells) {
        ASSERT_NE(cell, nullptr);
        EXPECT_TRUE(cell->growing);
        EXPECT_EQ(cell->growthTimer.startTick, 22500u);
        EXPECT_EQ(cell->growthTimer.rate, 40.0f);
    }
}

}  // namespace
