#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "board/Board.h"
#include "board/BoardBuilder.h"
#include "platform/ManualClock.h"

using namespace board_test;

namespace {

class BoardMovesTest : public ::testing::Test {
  protected:
    ManualClock clock_{3000};
    Board board_;
};

std::vector<Move> ToVector(const MoveList& moves) {
    return {moves.begin(), moves.end()};
}

// The searches by their definition: every trial made on the board itself
// with SwapCells / RotateBlock and judged by a full FindLines.
std::vector<Move> SwapMovesByTrial(Board& board) {
    std::vector<Move> moves;
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 10; ++x) {
            for (int32_t ny = y - 1; ny <= y + 1; ++ny) {
                for (int32_t nx = x - 1; nx <= x + 1; ++nx) {
                    if (!Board::IsInside(nx, ny) || (nx == x && ny == y)) {
                        continue;
                    }
                    board.SwapCells(nx, ny, x, y);
                    if (!board.FindLines(4).Empty()) {
                        moves.push_back({nx, ny, x, y});
                    }
                    board.SwapCells(nx, ny, x, y);
                }
            }
        }
    }
    return moves;
}

std::vector<Move> RotationMovesByTrial(Board& board) {
    std::vector<Move> moves;
    for (int32_t y = 1; y < 10; ++y) {
        for (int32_t x = 1; x < 10; ++x) {
            board.RotateBlock(x - 1, y - 1, x, y, true);
            if (!board.FindLines(4).Empty()) {
                moves.push_back({x - 1, y - 1, x, y});
            }
            board.RotateBlock(x - 1, y - 1, x, y, false);
        }
    }
    return moves;
}

TEST_F(BoardMovesTest, EveryNeighbourPairIsTriedBothWaysInLoopOrder) {
    FillAll(board_, Blue);  // every trial leaves lines standing
    const MoveList moves = board_.FindSwapMoves();
    ASSERT_EQ(moves.Count(), 684);
    EXPECT_EQ(moves[0], (Move{1, 0, 0, 0}));
    EXPECT_EQ(moves[1], (Move{0, 1, 0, 0}));
    EXPECT_EQ(moves[2], (Move{1, 1, 0, 0}));
    EXPECT_EQ(moves[3], (Move{0, 0, 1, 0}));
    EXPECT_EQ(moves[683], (Move{8, 9, 9, 9}));

    EXPECT_EQ(ToVector(moves), SwapMovesByTrial(board_));
}

TEST_F(BoardMovesTest, EveryBlockIsTurnedOnceInLoopOrder) {
    FillAll(board_, Blue);
    const MoveList moves = board_.FindRotationMoves();
    ASSERT_EQ(moves.Count(), 81);
    EXPECT_EQ(moves[1], (Move{1, 0, 2, 1}));
    EXPECT_EQ(ToVector(moves), RotationMovesByTrial(board_));
}

TEST_F(BoardMovesTest, ASingleMakingSwapIsListedFromBothCells) {
    FillQuiet(board_);
    Paint(board_, 0, 0, Purple);
    Paint(board_, 1, 0, Purple);
    Paint(board_, 2, 0, White);
    Paint(board_, 3, 0, Purple);
    Paint(board_, 2, 1, Purple);
    const MoveList moves = board_.FindSwapMoves();
    ASSERT_EQ(moves.Count(), 2);
    EXPECT_EQ(moves[0], (Move{2, 1, 2, 0}));
    EXPECT_EQ(moves[1], (Move{2, 0, 2, 1}));
}

TEST_F(BoardMovesTest, ABoardWithoutMovesIsLeftAsItWas) {
    FillQuiet(board_);
    board_.At(3, 3)->mood = Emotion;
    board_.At(4, 4)->growing = true;
    const auto before = Snapshot(board_);
    EXPECT_TRUE(board_.FindSwapMoves().Empty());
    EXPECT_TRUE(board_.FindRotationMoves().Empty());
    EXPECT_EQ(Snapshot(board_), before);
    EXPECT_EQ(board_.At(3, 3)->mood, Emotion);
    EXPECT_TRUE(board_.At(4, 4)->growing);
    EXPECT_FALSE(board_.At(5, 5)->growing);
}

TEST_F(BoardMovesTest, OnlyTheClockwiseTurnCounts) {
    // Row 0 reads P P P q; block (2,0)-(3,1) holds P q / W P. Turned
    // anticlockwise, the Purple of (3,1) would rise to (3,0) and complete the
    // row; clockwise, the Purple of (2,0) moves on to (3,0) and leaves a gap.
    // Only the next block's clockwise turn, which lifts (3,1) to (3,0), counts.
    FillQuiet(board_);
    Paint(board_, 0, 0, Purple);
    Paint(board_, 1, 0, Purple);
    Paint(board_, 2, 0, Purple);
    Paint(board_, 2, 1, White);
    Paint(board_, 3, 1, Purple);
    const MoveList onlyNext = board_.FindRotationMoves();
    ASSERT_EQ(onlyNext.Count(), 1);
    EXPECT_EQ(onlyNext[0], (Move{3, 0, 4, 1}));

    // With P q / P W the clockwise turn brings (2,1)'s Purple up to (2,0).
    Paint(board_, 2, 1, Purple);
    Paint(board_, 3, 1, White);
    const MoveList moves = board_.FindRotationMoves();
    ASSERT_EQ(moves.Count(), 1);
    EXPECT_EQ(moves[0], (Move{2, 0, 3, 1}));
}

// The searches judge a trial by the cells it moved; on any board they must
// list exactly what full trials on the board itself list.
TEST_F(BoardMovesTest, SearchesMatchFullTrialsOnManyBoards) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::srand(seed);
        board_.difficulty = seed % 3 + 1;
        for (auto& cell : board_.cells) {
            cell.reset();
        }
        if (seed % 2) {
            board_.DealWithoutLines();
        } else {
            board_.FillEmptyCells();  // may hold lines
        }
        const auto before = Snapshot(board_);
        const MoveList swaps = board_.FindSwapMoves();
        const MoveList rotations = board_.FindRotationMoves();
        EXPECT_EQ(Snapshot(board_), before);
        EXPECT_EQ(ToVector(swaps), SwapMovesByTrial(board_)) << "seed " << seed;
        EXPECT_EQ(ToVector(rotations), RotationMovesByTrial(board_)) << "seed " << seed;
        EXPECT_EQ(swaps.Count() % 2, 0);
    }
}

}  // namespace
