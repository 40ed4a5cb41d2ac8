#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/LinePoints.h"
#include "support/MovesByTrial.h"
#include "support/ScreenFixture.h"

namespace {

// The board with what a game mode hands it opened up to the tests.
class TestBoard : public Board {
  public:
    using Board::Popups;
    using Board::SetClearSound;
    using Board::SetPopups;
};

// `count` cells of one colour from (x, y) on in steps of (dx, dy).
struct CellRun {
    int32_t x, y, dx, dy, count, colour;
};

// A headless board with the clear sound and popup list a game mode gives it.
class BoardTest : public ScreenFixture {
  protected:
    static constexpr uint32_t kGround = 0x102030;

    BoardTest() {
        WritePlayAssets(dir);
        auto clearSound = std::make_unique<Sound>();
        clearSound->LoadWav("Sounds\\Zoh.wav", sound);
        board.SetClearSound(std::move(clearSound));
        PaintQuiet();
    }

    // Colours 1 to 4, no run of two in any direction, for lines in Purple and
    // White to be painted over; a fresh popup list, the last sounds over.
    void PaintQuiet() {
        clock.Advance(1000);
        for (int32_t i = 0; i < Board::kCellCount; ++i) {
            const int32_t x = i % Board::kColumns, y = i / Board::kColumns;
            Paint({x, y, 0, 0, 1, 1 + (x + 2 * y) % 4});
        }
        board.SetPopups(std::make_unique<ScorePopupList>(display, sound));
        sound.TakeStarted();
    }

    void Paint(const CellRun& run) {
        for (int32_t i = 0; i < run.count; ++i)
            board.PlacePiece(run.x + i * run.dx, run.y + i * run.dy, run.colour);
    }

    void PaintRows(int32_t colour) {
        for (int32_t y = 0; y < Board::kRows; ++y) Paint({0, y, 1, 0, Board::kColumns, colour});
    }

    std::array<const Piece*, Board::kCellCount> Snapshot() const {
        std::array<const Piece*, Board::kCellCount> pieces{};
        for (int32_t i = 0; i < Board::kCellCount; ++i)
            pieces[i] = board.At(i % Board::kColumns, i / Board::kColumns);
        return pieces;
    }

    int Started(const std::string& path) {
        const std::vector<std::string> started = sound.TakeStarted();
        return static_cast<int>(std::count(started.begin(), started.end(), path));
    }

    // The top row of what was drawn in column x, or -1 for nothing.
    int TopAt(int x) const {
        for (int y = 0; y < 440; ++y)
            if (display.PixelAt(x, y) != kGround)
                return y;
        return -1;
    }

    TestBoard board;
};

// White is dealt never on Easy, one in six on Normal, four in nine on Hard;
// a dealt board holds no line.
TEST_F(BoardTest, EachDifficultyDealsItsShareOfWhiteAndNoLine) {
    struct Share {
        Difficulty difficulty;
        double least, most;
    };
    std::srand(11);
    for (const Share& share :
         {Share{Easy, 0, 0}, Share{NormalDifficulty, 0.15, 0.185}, Share{Hard, 0.42, 0.47}}) {
        board.SetDifficulty(share.difficulty);
        int whites = 0;
        for (int roll = 0; roll < 9000; ++roll) whites += board.RandomColour() == White;
        EXPECT_GE(whites / 9000.0, share.least) << share.difficulty;
        EXPECT_LE(whites / 9000.0, share.most) << share.difficulty;
        for (int deal = 0; deal < 10; ++deal) {
            board.Clear();
            board.DealWithoutLines();
            EXPECT_TRUE(board.FindLines(4).Empty()) << share.difficulty << " deal " << deal;
        }
    }
    EXPECT_FALSE(dir.Exists(Board::kDealMarkerFile));
}

// The searches judge a trial by the cells it moved, yet list what full trials
// list, and leave the board be.
TEST_F(BoardTest, MoveSearchesMatchFullTrials) {
    PaintRows(Blue);  // every trial leaves lines
    for (unsigned seed = 0; seed <= 40; ++seed) {
        std::srand(seed);
        board.SetDifficulty(kAllDifficulties[seed % 3]);
        if (seed > 0) {
            board.Clear();
            seed % 2 ? board.DealWithoutLines() : board.FillEmptyCells();  // lines or not
        }
        const auto before = Snapshot();
        const MoveList swaps = board.FindSwapMoves();
        const MoveList rotations = board.FindRotationMoves();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(std::vector<Move>(swaps.begin(), swaps.end()), SwapMovesByTrial(board))
            << "seed " << seed;
        EXPECT_EQ(std::vector<Move>(rotations.begin(), rotations.end()),
                  RotationMovesByTrial(board))
            << "seed " << seed;
    }
}

// Runs painted over the quiet board, and what their lines score together.
struct LineCase {
    const char* name;
    std::vector<CellRun> runs;
    int32_t points;
};

const LineCase kLineCases[] = {
    {"three in a row is no line", {{2, 4, 1, 0, 3, Purple}, {6, 0, 0, 1, 3, White}}, 0},
    {"runs that end at the last cell, in every direction",
     {{6, 8, 1, 0, 4, Purple},
      {0, 6, 0, 1, 4, Purple},
      {5, 3, 1, 1, 5, White},
      {6, 3, 1, -1, 4, White}},
     125},
    {"diagonals starting in the bottom row, left column and top row",
     {{6, 9, 1, -1, 4, Purple},
      {0, 9, 1, -1, 4, Purple},
      {5, 0, 1, 1, 4, White},
      {0, 0, 1, 1, 4, White},
      {4, 5, 1, 0, 4, White},
      {9, 0, 0, 1, 4, Purple}},
     150},
    {"the corner diagonal", {{0, 3, 1, -1, 4, Purple}}, 25},
    {"a crossing scores twice", {{4, 3, 0, 1, 4, Purple}, {2, 6, 1, 0, 4, Purple}}, 50},
    {"columns of six to ten",
     {{1, 0, 0, 1, 6, Purple},
      {3, 0, 0, 1, 7, Purple},
      {5, 0, 0, 1, 8, Purple},
      {7, 0, 0, 1, 9, Purple},
      {9, 0, 0, 1, 10, Purple}},
     100 + 250 + 500 + 1000 + 5000},
};

// Each run of four or more is one line, scored with its points' popup; just
// its cells are dealt again, growing in, never White, one clear sound for all.
TEST_F(BoardTest, LinesAreFoundWholeScoredAndReplaced) {
    board.SetDifficulty(Hard);
    std::srand(3);
    for (const LineCase& line : kLineCases) {
        SCOPED_TRACE(line.name);
        PaintQuiet();
        for (const CellRun& run : line.runs) Paint(run);
        auto expected = Snapshot();
        int32_t runs = 0;
        for (const CellRun& run : line.runs) {
            runs += run.count >= 4;
            for (int32_t c = 0; c < run.count && run.count >= 4; ++c)
                expected[Board::CellIndex(run.x + c * run.dx, run.y + c * run.dy)] = nullptr;
        }
        const LineList lines = board.FindLines(4);
        ASSERT_EQ(lines.Count(), runs);
        board.SetLevelScore(100);
        board.ScoreLines();
        EXPECT_EQ(board.LevelScore(), 100 + line.points);
        EXPECT_EQ(board.Popups()->LiveCount(), runs);
        for (int32_t i = 0; i < lines.Count(); ++i) {
            EXPECT_EQ(board.Popups()->Slot(i)->image,
                      board.Popups()->PointsImage(PointsForLength(lines[i].length)));
        }
        EXPECT_EQ(Started("Sounds\\Score.wav") > 0, runs > 0);
        board.ReplaceLineCells();
        EXPECT_EQ(Started("Sounds\\Zoh.wav"), runs > 0 ? 1 : 0);
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
}

// Only a changed saved game holds this many lines; all are kept, scored and
// refilled. Scored twice, they fill the popup list: the points still sound.
TEST_F(BoardTest, MoreThanFiftyLinesAreAllKept) {
    PaintRows(Blue);
    for (int32_t x : {4, 9}) Paint({x, 0, 0, 1, 10, Red});
    board.SetDifficulty(Hard);
    ASSERT_EQ(board.FindLines(4).Count(), 58);
    board.ScoreLines();
    EXPECT_EQ(board.LevelScore(), 10 * 5000 + 48 * 25);
    EXPECT_EQ(board.Popups()->LiveCount(), 58);
    sound.Stop(*board.Popups()->Slot(0)->sound);
    sound.TakeStarted();
    board.ScoreLines();
    EXPECT_EQ(board.LevelScore(), 2 * (10 * 5000 + 48 * 25));
    EXPECT_EQ(board.Popups()->LiveCount(), ScorePopupList::kSlots);
    EXPECT_GT(Started("Sounds\\Score.wav"), 0);
    board.ReplaceLineCells();
}

// A popup rises 35 pixels a second for 50, is drawn once more, then goes;
// one starting at the top stays there as long.
TEST_F(BoardTest, ScorePopupsRiseFiftyPixelsThenGo) {
    ScorePopupList& popups = *board.Popups();
    popups.Spawn(25, 120, 280);
    EXPECT_EQ(Started("Sounds\\Score.wav"), 1);
    popups.Spawn(100, 300, 0);
    const struct {
        uint32_t advance;
        int top, topOfTheTopOne;
    } steps[] = {{0, 280, 0}, {1000, 245, 0}, {428, 231, 0}, {1, 230, 0}, {0, -1, -1}};
    for (const auto& step : steps) {
        clock.Advance(step.advance);
        display.FillRect(0, 0, 625, 440, kGround);
        popups.UpdateAndDraw(display);
        EXPECT_EQ(TopAt(150), step.top);
        EXPECT_EQ(TopAt(350), step.topOfTheTopOne);
    }
    EXPECT_EQ(popups.LiveCount(), 0);
}

}  // namespace
