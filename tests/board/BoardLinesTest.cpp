#include <gtest/gtest.h>

#include <cstdlib>

#include "board/BoardFixture.h"

using namespace board_test;

namespace {

class BoardLinesTest : public BoardFixture {
  protected:
    void SetUp() override {
        BoardFixture::SetUp();
        FillQuiet(board_);
    }

    void PaintRun(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t count, int32_t colour) {
        for (int32_t i = 0; i < count; ++i) {
            Paint(board_, x + i * dx, y + i * dy, colour);
        }
    }
};

void ExpectLine(const Line& line, LineDirection direction, int32_t length, GridPoint first,
                int32_t dx, int32_t dy) {
    EXPECT_EQ(line.direction, direction);
    ASSERT_EQ(line.length, length);
    for (int32_t i = 0; i < Line::kMaxCells; ++i) {
        const GridPoint expected =
            i < length ? GridPoint{first.x + i * dx, first.y + i * dy} : GridPoint{0, 0};
        EXPECT_EQ(line.cells[i], expected) << "cell " << i;
    }
}

TEST_F(BoardLinesTest, ThreeInARowIsNoLine) {
    PaintRun(2, 4, 1, 0, 3, Purple);
    PaintRun(6, 0, 0, 1, 3, White);
    EXPECT_TRUE(board_.FindLines(4).Empty());
    EXPECT_EQ(board_.FindLines(3).Count(), 2);
}

TEST_F(BoardLinesTest, RunsEndingAtTheLastCellAreFoundInEveryDirection) {
    PaintRun(6, 8, 1, 0, 4, Purple);  // row 8, ends at x = 9
    PaintRun(0, 6, 0, 1, 4, Purple);  // column 0, ends at y = 9
    PaintRun(5, 3, 1, 1, 5, White);   // down-right, ends at (9, 7)
    PaintRun(6, 3, 1, -1, 4, White);  // up-right, ends at (9, 0)
    const LineList lines = board_.FindLines(4);
    ASSERT_EQ(lines.Count(), 4);
    ExpectLine(lines[0], UpRightLine, 4, {6, 3}, 1, -1);
    ExpectLine(lines[1], DownRightLine, 5, {5, 3}, 1, 1);
    ExpectLine(lines[2], VerticalLine, 4, {0, 6}, 0, 1);
    ExpectLine(lines[3], HorizontalLine, 4, {6, 8}, 1, 0);
}

TEST_F(BoardLinesTest, ScansRunInTheirOrderWithTheirStartingCells) {
    PaintRun(6, 9, 1, -1, 4, Purple);  // up-right, starts in the bottom row
    PaintRun(0, 9, 1, -1, 4, Purple);  // up-right, starts in the left column
    PaintRun(5, 0, 1, 1, 4, White);    // down-right, starts in the top row
    PaintRun(0, 0, 1, 1, 4, White);    // down-right, starts in the left column
    PaintRun(4, 5, 1, 0, 4, White);    // row
    PaintRun(9, 0, 0, 1, 4, Purple);   // column
    const LineList lines = board_.FindLines(4);
    ASSERT_EQ(lines.Count(), 6);
    ExpectLine(lines[0], UpRightLine, 4, {0, 9}, 1, -1);
    ExpectLine(lines[1], UpRightLine, 4, {6, 9}, 1, -1);
    ExpectLine(lines[2], DownRightLine, 4, {0, 0}, 1, 1);
    ExpectLine(lines[3], DownRightLine, 4, {5, 0}, 1, 1);
    ExpectLine(lines[4], VerticalLine, 4, {9, 0}, 0, 1);
    ExpectLine(lines[5], HorizontalLine, 4, {4, 5}, 1, 0);
}

TEST_F(BoardLinesTest, TheCornerDiagonalScoresWithItsPopupAtTheTop) {
    PaintRun(0, 3, 1, -1, 4, Purple);
    const LineList lines = board_.FindLines(4);
    ASSERT_EQ(lines.Count(), 1);
    ExpectLine(lines[0], UpRightLine, 4, {0, 3}, 1, -1);

    board_.originX = board_.originY = 20;  // the origin is not added
    board_.ScoreLines();
    EXPECT_EQ(board_.score, 25);
    const auto popups = LivePopups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0]->x, 120);
    EXPECT_EQ(popups[0]->startY, 0);
    EXPECT_EQ(Started("Sounds\\Score.wav"), 1);
}

TEST_F(BoardLinesTest, AVerticalFiveScores50AtItsFourthCell) {
    PaintRun(2, 4, 0, 1, 5, White);
    board_.score = 100;
    board_.ScoreLines();
    EXPECT_EQ(board_.score, 150);
    const auto popups = LivePopups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0]->x, 80);
    EXPECT_EQ(popups[0]->startY, 280);
    EXPECT_EQ(popups[0]->image, board_.popups->PointsImage(50));
}

TEST_F(BoardLinesTest, ScoresAndTheirPicturesGrowWithLength) {
    const int32_t expected[] = {25, 50, 100, 250, 500, 1000, 5000};
    for (int32_t length = 4; length <= 10; ++length) {
        FillQuiet(board_);
        PaintRun(3, 0, 0, 1, length, Purple);
        board_.score = 0;
        board_.ScoreLines();
        EXPECT_EQ(board_.score, expected[length - 4]) << length;
        EXPECT_EQ(board_.popups->Slot(length - 4)->image,
                  board_.popups->PointsImage(expected[length - 4]));
    }
}

TEST_F(BoardLinesTest, ACrossingScoresTwiceAndRollsTheSharedCellTwice) {
    PaintRun(4, 3, 0, 1, 4, Purple);  // column 4, rows 3 to 6
    PaintRun(2, 6, 1, 0, 4, Purple);  // row 6, columns 2 to 5, sharing (4, 6)
    const LineList lines = board_.FindLines(4);
    ASSERT_EQ(lines.Count(), 2);
    ExpectLine(lines[0], VerticalLine, 4, {4, 3}, 0, 1);
    ExpectLine(lines[1], HorizontalLine, 4, {2, 6}, 1, 0);

    board_.ScoreLines();
    EXPECT_EQ(board_.score, 50);
    const auto popups = LivePopups();
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(board_.popups->Slot(0)->x, 160);  // (4, 6)
    EXPECT_EQ(board_.popups->Slot(0)->startY, 240);
    EXPECT_EQ(board_.popups->Slot(1)->x, 200);  // (5, 6)
    EXPECT_EQ(board_.popups->Slot(1)->startY, 240);

    EXPECT_EQ(RandCallsMadeBy(77, [&] { board_.ReplaceLineCells(); }), 8);
}

TEST_F(BoardLinesTest, ReplacingTouchesOnlyLineCellsWithFiveColoursAndOneSound) {
    board_.difficulty = Hard;
    PaintRun(0, 2, 1, 1, 6, White);
    PaintRun(7, 0, 0, 1, 4, White);
    const auto before = Snapshot(board_);
    sounds_.TakeStarted();
    clock_.Advance(300);
    std::srand(3);
    board_.ReplaceLineCells();
    EXPECT_EQ(Started("Sounds\\Zoh.wav"), 1);
    for (int32_t y = 0; y < Board::kRows; ++y) {
        for (int32_t x = 0; x < Board::kColumns; ++x) {
            const bool inLine = (x == y - 2 && y <= 7) || (x == 7 && y < 4);
            const Piece* piece = board_.At(x, y);
            ASSERT_NE(piece, nullptr);
            if (!inLine) {
                EXPECT_EQ(piece, before[Board::CellIndex(x, y)]);
                continue;
            }
            EXPECT_NE(piece, before[Board::CellIndex(x, y)]);
            EXPECT_GE(piece->Colour(), Blue);
            EXPECT_LE(piece->Colour(), Purple);
            EXPECT_TRUE(piece->growing);
            EXPECT_EQ(piece->mood, Standard);
            EXPECT_EQ(piece->growthTimer.startTick, 20300u);
        }
    }
}

TEST_F(BoardLinesTest, RefillsOnHardAreNeverWhite) {
    board_.difficulty = Hard;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::srand(seed);
        FillAll(board_, White);
        board_.ReplaceLineCells();
        EXPECT_EQ(CountColour(board_, White), 0);
    }
}

TEST_F(BoardLinesTest, NoLineMeansNoSoundAndNoChange) {
    const auto before = Snapshot(board_);
    board_.ScoreLines();
    board_.ReplaceLineCells();
    EXPECT_EQ(Snapshot(board_), before);
    EXPECT_EQ(board_.score, 0);
    EXPECT_TRUE(LivePopups().empty());
    EXPECT_TRUE(sounds_.TakeStarted().empty());
}

TEST_F(BoardLinesTest, EmptyCellsNeverMakeLines) {
    for (auto& cell : board_.cells) {
        cell.reset();
    }
    EXPECT_TRUE(board_.FindLines(4).Empty());
    EXPECT_TRUE(board_.FindSwapMoves().Empty());
}

// Only a changed saved game can hold this many lines at once; every one of
// them is kept and scored.
TEST_F(BoardLinesTest, MoreThanFiftyLinesAreAllKept) {
    for (int32_t y = 0; y < Board::kRows; ++y) {
        for (int32_t x = 0; x < Board::kColumns; ++x) {
            Paint(board_, x, y, x % 5 == 4 ? Red : Blue);
        }
    }
    const LineList lines = board_.FindLines(4);
    ASSERT_EQ(lines.Count(), 58);
    ExpectLine(lines[0], UpRightLine, 4, {0, 9}, 1, -1);
    ExpectLine(lines[57], HorizontalLine, 4, {5, 9}, 1, 0);

    board_.ScoreLines();
    EXPECT_EQ(board_.score, 10 * 5000 + 48 * 25);
    EXPECT_EQ(LivePopups().size(), 58u);
    board_.ReplaceLineCells();
    EXPECT_EQ(CountColour(board_, White), 0);
}

}  // namespace
