#include <gtest/gtest.h>

#include <cstdlib>

#include "board/Board.h"
#include "board/BoardBuilder.h"
#include "platform/ManualClock.h"

using namespace board_test;

namespace {

class BoardGridTest : public ::testing::Test {
  protected:
    ManualClock clock_{7000};
    Board board_;
};

TEST_F(BoardGridTest, SwapExchangesPointersOnlyWhenBothCellsAreInside) {
    FillQuiet(board_);
    Piece* a = board_.At(0, 0);
    Piece* b = board_.At(1, 1);
    a->mood = Scared;
    EXPECT_TRUE(board_.SwapCells(0, 0, 1, 1));
    EXPECT_EQ(board_.At(0, 0), b);
    EXPECT_EQ(board_.At(1, 1), a);
    EXPECT_EQ(a->mood, Scared);

    const auto before = Snapshot(board_);
    EXPECT_FALSE(board_.SwapCells(9, 9, 10, 9));
    EXPECT_FALSE(board_.SwapCells(-1, 0, 0, 0));
    EXPECT_TRUE(board_.SwapCells(4, 4, 4, 4));
    EXPECT_EQ(Snapshot(board_), before);
    EXPECT_EQ(board_.At(10, 0), nullptr);
    EXPECT_EQ(board_.At(0, -1), nullptr);
}

TEST_F(BoardGridTest, RotateBlockTurnsFourPointersEitherWay) {
    FillQuiet(board_);
    Piece* topLeft = board_.At(3, 3);
    Piece* topRight = board_.At(4, 3);
    Piece* bottomRight = board_.At(4, 4);
    Piece* bottomLeft = board_.At(3, 4);
    topLeft->growing = true;

    auto before = Snapshot(board_);
    ASSERT_TRUE(board_.RotateBlock(3, 3, 4, 4, true));
    EXPECT_EQ(board_.At(4, 3), topLeft);
    EXPECT_EQ(board_.At(4, 4), topRight);
    EXPECT_EQ(board_.At(3, 4), bottomRight);
    EXPECT_EQ(board_.At(3, 3), bottomLeft);
    EXPECT_TRUE(topLeft->growing);
    int moved = 0;
    for (int32_t i = 0; i < Board::kCellCount; ++i) {
        moved += board_.cells[i].get() != before[i] ? 1 : 0;
    }
    EXPECT_EQ(moved, 4);

    ASSERT_TRUE(board_.RotateBlock(3, 3, 4, 4, false));
    EXPECT_EQ(Snapshot(board_), before);
}

TEST_F(BoardGridTest, RotateBlockRefusesBlocksOffTheGrid) {
    FillQuiet(board_);
    const auto before = Snapshot(board_);
    EXPECT_FALSE(board_.RotateBlock(9, 9, 10, 10, true));
    EXPECT_FALSE(board_.RotateBlock(-1, 0, 0, 1, false));
    EXPECT_TRUE(board_.RotateBlock(8, 8, 9, 9, true));
    EXPECT_TRUE(board_.RotateBlock(8, 8, 9, 9, false));
    EXPECT_EQ(Snapshot(board_), before);
}

TEST_F(BoardGridTest, CreatePieceKnowsOnlyTheSixColours) {
    for (int32_t colour = Blue; colour <= White; ++colour) {
        EXPECT_EQ(board_.CreatePiece(colour)->Colour(), colour);
    }
    EXPECT_EQ(board_.CreatePiece(0), nullptr);
    EXPECT_EQ(board_.CreatePiece(7), nullptr);
}

TEST_F(BoardGridTest, HardRollsAgainOnlyWhenTheFirstRollIsNotWhite) {
    board_.difficulty = Hard;
    for (unsigned seed = 1; seed < 60; ++seed) {
        std::srand(seed);
        const int first = std::rand() % 6 + 1;
        const int second = std::rand() % 6 + 1;
        int32_t colour = 0;
        const int used = RandCallsMadeBy(seed, [&] { colour = board_.RandomColour(); });
        if (first == White) {
            EXPECT_EQ(used, 1);
            EXPECT_EQ(colour, White);
        } else {
            EXPECT_EQ(used, 2);
            EXPECT_EQ(colour, second > 4 ? White : first);
        }
    }
}

TEST_F(BoardGridTest, UnknownDifficultyGivesBlueWithoutRolling) {
    for (int32_t difficulty : {0, 4, -3}) {
        board_.difficulty = difficulty;
        int32_t colour = 0;
        EXPECT_EQ(RandCallsMadeBy(5, [&] { colour = board_.RandomColour(); }), 0);
        EXPECT_EQ(colour, Blue);
    }
}

TEST_F(BoardGridTest, FillEmptyCellsKeepsPiecesAndGrowsTheNewOnes) {
    board_.difficulty = NormalDifficulty;
    Paint(board_, 2, 3, Purple);
    Piece* kept = board_.At(2, 3);
    board_.FillEmptyCells();
    EXPECT_EQ(board_.At(2, 3), kept);
    EXPECT_FALSE(kept->growing);
    for (const auto& cell : board_.cells) {
        ASSERT_NE(cell, nullptr);
        if (cell.get() != kept) {
            EXPECT_TRUE(cell->growing);
            EXPECT_EQ(cell->mood, Standard);
            EXPECT_EQ(cell->growthTimer.startTick, 7000u);
            EXPECT_EQ(cell->growthTimer.rate, 40.0f);
        }
    }
}

}  // namespace
