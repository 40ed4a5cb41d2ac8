#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "board/BoardFixture.h"

using namespace board_test;

namespace {

struct ExpectedLine {
    LineDirection direction;
    int32_t length, x, y, dx, dy;
};

struct LineCase {
    const char* name;
    std::vector<CellRun> runs;
    std::vector<ExpectedLine> lines;  // in the order of the scans
    int32_t points;
};

const LineCase kLineCases[] = {
    {"three in a row is no line", {{2, 4, 1, 0, 3, Purple}, {6, 0, 0, 1, 3, White}}, {}, 0},
    {"runs that end at the last cell, in every direction",
     {{6, 8, 1, 0, 4, Purple},
      {0, 6, 0, 1, 4, Purple},
      {5, 3, 1, 1, 5, White},
      {6, 3, 1, -1, 4, White}},
     {{UpRightLine, 4, 6, 3, 1, -1},
      {DownRightLine, 5, 5, 3, 1, 1},
      {VerticalLine, 4, 0, 6, 0, 1},
      {HorizontalLine, 4, 6, 8, 1, 0}},
     125},
    {"diagonals starting in the bottom row, left column and top row",
     {{6, 9, 1, -1, 4, Purple},
      {0, 9, 1, -1, 4, Purple},
      {5, 0, 1, 1, 4, White},
      {0, 0, 1, 1, 4, White},
      {4, 5, 1, 0, 4, White},
      {9, 0, 0, 1, 4, Purple}},
     {{UpRightLine, 4, 0, 9, 1, -1},
      {UpRightLine, 4, 6, 9, 1, -1},
      {DownRightLine, 4, 0, 0, 1, 1},
      {DownRightLine, 4, 5, 0, 1, 1},
      {VerticalLine, 4, 9, 0, 0, 1},
      {HorizontalLine, 4, 4, 5, 1, 0}},
     150},
    {"the corner diagonal, its popup in the top row",
     {{0, 3, 1, -1, 4, Purple}},
     {{UpRightLine, 4, 0, 3, 1, -1}},
     25},
    {"a crossing scores twice",
     {{4, 3, 0, 1, 4, Purple}, {2, 6, 1, 0, 4, Purple}},
     {{VerticalLine, 4, 4, 3, 0, 1}, {HorizontalLine, 4, 2, 6, 1, 0}},
     50},
};

void PrintTo(const LineCase& line, std::ostream* out) {
    *out << line.name;
}

class BoardLinesTest : public BoardFixture, public ::testing::WithParamInterface<LineCase> {};

// Each line is found whole, scores with its popup at its fourth cell (in
// grid pixels), and only its cells are dealt again: growing in, never White
// even on Hard, with one clear sound for them all.
TEST_P(BoardLinesTest, LinesAreFoundScoredAndReplaced) {
    const LineCase& line = GetParam();
    SCOPED_TRACE(line.name);
    for (const CellRun& run : line.runs) Paint(run);
    board_.SetDifficulty(Hard);
    board_.SetLevelScore(100);
    auto expected = Snapshot();
    const LineList lines = board_.FindLines(4);
    ASSERT_EQ(lines.Count(), static_cast<int32_t>(line.lines.size()));
    board_.ScoreLines();
    EXPECT_EQ(board_.LevelScore(), 100 + line.points);
    EXPECT_EQ(board_.Popups()->LiveCount(), lines.Count());
    for (int32_t i = 0; i < lines.Count(); ++i) {
        const ExpectedLine& want = line.lines[i];
        EXPECT_EQ(lines[i].direction, want.direction) << "line " << i;
        ASSERT_EQ(lines[i].length, want.length) << "line " << i;
        for (int32_t c = 0; c < Line::kMaxCells; ++c) {
            const bool in = c < want.length;
            const GridPoint cell{in ? want.x + c * want.dx : 0, in ? want.y + c * want.dy : 0};
            EXPECT_EQ(lines[i].cells[c], cell) << "line " << i << " cell " << c;
            if (in)
                expected[Board::CellIndex(cell.x, cell.y)] = nullptr;
        }
        EXPECT_EQ(board_.Popups()->Slot(i)->x, 40 * (want.x + 3 * want.dx));
        EXPECT_EQ(board_.Popups()->Slot(i)->startY, 40 * (want.y + 3 * want.dy));
    }
    EXPECT_EQ(Started("Sounds\\Score.wav") > 0, !lines.Empty());

    std::srand(3);
    board_.ReplaceLineCells();
    EXPECT_EQ(Started("Sounds\\Zoh.wav"), lines.Empty() ? 0 : 1);
    const auto after = Snapshot();
    for (int32_t i = 0; i < Board::kCellCount; ++i) {
        if (expected[i] != nullptr) {
            EXPECT_EQ(after[i], expected[i]) << "cell " << i;
            continue;
        }
        EXPECT_TRUE(after[i]->growing);
        EXPECT_LE(after[i]->Colour(), Purple) << "cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BoardLinesTest, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

using BoardScoreTest = BoardFixture;

TEST_F(BoardScoreTest, PointsAndTheirPicturesGrowWithLength) {
    const int32_t points[] = {25, 50, 100, 250, 500, 1000, 5000};
    for (int32_t length = 4; length <= 10; ++length) {
        FillQuiet();
        Paint({3, 0, 0, 1, length, Purple});
        board_.SetLevelScore(0);
        board_.ScoreLines();
        EXPECT_EQ(board_.LevelScore(), points[length - 4]) << length;
        EXPECT_EQ(board_.Popups()->Slot(length - 4)->image,
                  board_.Popups()->PointsImage(points[length - 4]));
    }
}

// Only a changed saved game can hold this many lines at once; every one of
// them is kept and scored, and refilled without White.
TEST_F(BoardScoreTest, MoreThanFiftyLinesAreAllKept) {
    PaintAll(Blue);
    for (int32_t x : {4, 9}) Paint({x, 0, 0, 1, 10, Red});
    board_.SetDifficulty(Hard);
    ASSERT_EQ(board_.FindLines(4).Count(), 58);
    board_.ScoreLines();
    EXPECT_EQ(board_.LevelScore(), 10 * 5000 + 48 * 25);
    EXPECT_EQ(board_.Popups()->LiveCount(), 58);
    board_.ReplaceLineCells();
    EXPECT_EQ(CountColour(White), 0);
    EXPECT_EQ(CountColour(0), 0);
}

}  // namespace
