#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "board/BoardFixture.h"
#include "support/MovesByTrial.h"

using namespace board_test;

namespace {

using BoardTest = BoardFixture;

std::vector<Move> ToVector(const MoveList& moves) {
    return {moves.begin(), moves.end()};
}

TEST_F(BoardTest, SwapAndTurnMovePiecesOnlyInsideTheGrid) {
    const auto before = Snapshot();
    ASSERT_TRUE(board_.SwapCells(0, 0, 1, 1));
    EXPECT_EQ(board_.At(0, 0), before[Board::CellIndex(1, 1)]);
    EXPECT_EQ(board_.At(1, 1), before[0]);
    ASSERT_TRUE(board_.SwapCells(0, 0, 1, 1));

    // Clockwise: top-left to top-right, on round to the bottom-left.
    ASSERT_TRUE(board_.RotateBlock(3, 3, 4, 4, true));
    auto turned = before;
    turned[Board::CellIndex(4, 3)] = before[Board::CellIndex(3, 3)];
    turned[Board::CellIndex(4, 4)] = before[Board::CellIndex(4, 3)];
    turned[Board::CellIndex(3, 4)] = before[Board::CellIndex(4, 4)];
    turned[Board::CellIndex(3, 3)] = before[Board::CellIndex(3, 4)];
    EXPECT_EQ(Snapshot(), turned);
    ASSERT_TRUE(board_.RotateBlock(3, 3, 4, 4, false));

    EXPECT_FALSE(board_.SwapCells(9, 9, 10, 9));
    EXPECT_FALSE(board_.SwapCells(-1, 0, 0, 0));
    EXPECT_FALSE(board_.RotateBlock(9, 9, 10, 10, true));
    EXPECT_FALSE(board_.RotateBlock(-1, 0, 0, 1, false));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(board_.At(10, 0), nullptr);
    EXPECT_EQ(board_.At(0, -1), nullptr);
    for (PieceColour colour : {Blue, Green, Red, Yellow, Purple, White}) {
        EXPECT_EQ(board_.CreatePiece(colour)->Colour(), colour);
    }
}

// How often each difficulty deals White: never on Easy, one in six on
// Normal, four in nine on Hard (a second roll turns other colours White).
TEST_F(BoardTest, EachDifficultyDealsItsShareOfWhite) {
    struct Share {
        Difficulty difficulty;
        double least, most;
    };
    std::srand(11);
    for (const Share& share :
         {Share{Easy, 0, 0}, Share{NormalDifficulty, 0.15, 0.185}, Share{Hard, 0.42, 0.47}}) {
        board_.SetDifficulty(share.difficulty);
        int whites = 0;
        for (int roll = 0; roll < 9000; ++roll) {
            const int32_t colour = board_.RandomColour();
            ASSERT_GE(colour, Blue);
            ASSERT_LE(colour, White);
            whites += colour == White;
        }
        EXPECT_GE(whites / 9000.0, share.least) << share.difficulty;
        EXPECT_LE(whites / 9000.0, share.most) << share.difficulty;
    }
}

TEST_F(BoardTest, DealtBoardsHoldNoLineOnEveryDifficulty) {
    for (Difficulty difficulty : kAllDifficulties) {
        board_.SetDifficulty(difficulty);
        for (unsigned seed = 1; seed <= 30; ++seed) {
            std::srand(seed);
            board_.Clear();
            board_.DealWithoutLines();
            EXPECT_EQ(CountColour(0), 0);
            EXPECT_TRUE(board_.FindLines(4).Empty()) << difficulty << " seed " << seed;
        }
    }
    EXPECT_FALSE(dir_.Exists(Board::kDealMarkerFile));
}

TEST_F(BoardTest, DealingRerollsOnlyTheCellsOfLines) {
    board_.SetDifficulty(Easy);
    Paint({2, 4, 1, 0, 5, Purple});
    auto before = Snapshot();
    std::srand(9);
    board_.DealWithoutLines();
    EXPECT_TRUE(board_.FindLines(4).Empty());
    for (int32_t x = 2; x < 7; ++x) {
        before[Board::CellIndex(x, 4)] = board_.At(x, 4);
    }
    EXPECT_EQ(Snapshot(), before);
}

// Nothing but Blue leaves a line on every pass: the deal gives up at its
// last pass and leaves its marker file.
TEST_F(BoardTest, AnUnknownDifficultyDealsBlueUntilThePassLimit) {
    board_.SetDifficulty(static_cast<Difficulty>(4));
    board_.Clear();
    board_.DealWithoutLines();
    EXPECT_EQ(CountColour(Blue), Board::kCellCount);
    EXPECT_EQ(dir_.ReadFile(Board::kDealMarkerFile), "");
}

TEST_F(BoardTest, NewBoardDealsAfreshClearsTheHintAndGrowsEveryPieceTogether) {
    board_.SetDifficulty(Hard);
    std::srand(4);
    board_.SetHint({1, 2, 2, 2});
    clock_.Advance(2500);
    board_.NewBoard();
    EXPECT_FALSE(board_.Hint());
    EXPECT_TRUE(board_.FindLines(4).Empty());
    EXPECT_EQ(Started("Sounds\\Zoh.wav"), 1);
    for (const Piece* piece : Snapshot()) {
        ASSERT_NE(piece, nullptr);
        EXPECT_TRUE(piece->growing);
        EXPECT_EQ(piece->growthTimer.startTick, 22500u);
    }
}

// The searches judge a trial by the cells it moved; on any board they must
// list exactly what full trials on the board itself list, and leave it be.
TEST_F(BoardTest, MoveSearchesMatchFullTrials) {
    PaintAll(Blue);  // every trial leaves lines
    EXPECT_EQ(board_.FindSwapMoves().Count(), 684);
    EXPECT_EQ(board_.FindRotationMoves().Count(), 81);
    for (unsigned seed = 0; seed <= 40; ++seed) {
        std::srand(seed);
        board_.SetDifficulty(kAllDifficulties[seed % 3]);
        if (seed > 0) {
            board_.Clear();
            seed % 2 ? board_.DealWithoutLines() : board_.FillEmptyCells();  // lines or not
        }
        const auto before = Snapshot();
        const MoveList swaps = board_.FindSwapMoves();
        const MoveList rotations = board_.FindRotationMoves();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(ToVector(swaps), SwapMovesByTrial(board_)) << "seed " << seed;
        EXPECT_EQ(ToVector(rotations), RotationMovesByTrial(board_)) << "seed " << seed;
    }
    board_.Clear();  // empty cells make no lines
    EXPECT_TRUE(board_.FindSwapMoves().Empty());
}

}  // namespace
