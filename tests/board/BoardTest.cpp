#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "support/BmpWriter.h"
#include "support/MovesByTrial.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

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

// A headless board as a game mode sets it up (clear sound, popup list with
// its pictures and score sound, a display) in a
// fresh working directory. It starts quiet: colours 1 to 4 with no run
// of two along any row, column or diagonal, so that tests paint their lines
// over it in Purple and White.
class BoardTest : public ::testing::Test {
  protected:
    static constexpr uint32_t kGround = 0x102030;

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
        for (int32_t i = 0; i < Board::kCellCount; ++i) {
            const int32_t x = i % Board::kColumns, y = i / Board::kColumns;
            Paint({x, y, 0, 0, 1, 1 + (x + 2 * y) % 4});
        }
        sounds_.TakeStarted();
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

    void Blank() { display_->FillRect(0, 0, 625, 440, kGround); }

    // The top row of what was drawn in column x, or -1 for nothing.
    int TopAt(int x) const {
        for (int y = 0; y < 440; ++y) {
            if (display_->PixelAt(x, y) != kGround)
                return y;
        }
        return -1;
    }

    TempWorkDir dir_;
    ManualClock clock_{20000};
    std::unique_ptr<Display> display_ = std::make_unique<Display>();
    SoundSystem sounds_;
    TestBoard board_;
};

// How often each difficulty deals White: never on Easy, one in six on
// Normal, four in nine on Hard (a second roll turns other colours White).
// Whatever it deals, a dealt board holds no line and no empty cell.
TEST_F(BoardTest, EachDifficultyDealsItsShareOfWhiteAndNoLine) {
    struct Share {
        Difficulty difficulty;
        double least, most;
    };
    std::srand(11);
    for (const Share& share :
         {Share{Easy, 0, 0}, Share{NormalDifficulty, 0.15, 0.185}, Share{Hard, 0.42, 0.47}}) {
        board_.SetDifficulty(share.difficulty);
        int whites = 0;
        for (int roll = 0; roll < 9000; ++roll) whites += board_.RandomColour() == White;
        EXPECT_GE(whites / 9000.0, share.least) << share.difficulty;
        EXPECT_LE(whites / 9000.0, share.most) << share.difficulty;
        for (int deal = 0; deal < 10; ++deal) {
            board_.Clear();
            board_.DealWithoutLines();
            EXPECT_EQ(CountColour(0), 0);
            EXPECT_TRUE(board_.FindLines(4).Empty()) << share.difficulty << " deal " << deal;
        }
    }
    EXPECT_FALSE(dir_.Exists(Board::kDealMarkerFile));
}

// A difficulty a changed saved game made up deals nothing but Blue, which
// leaves a line on every pass: the deal must give up at its last pass (and
// leave its marker file) rather than hang.
TEST_F(BoardTest, AnUnknownDifficultyDealsBlueUntilThePassLimit) {
    board_.SetDifficulty(static_cast<Difficulty>(4));
    board_.Clear();
    board_.DealWithoutLines();
    EXPECT_EQ(CountColour(Blue), Board::kCellCount);
    EXPECT_EQ(dir_.ReadFile(Board::kDealMarkerFile), "");
}

// The searches judge a trial by the cells it moved; on any board they must
// list exactly what full trials on the board itself list, and leave it be.
// Moves reaching past the grid are refused and change nothing.
TEST_F(BoardTest, MoveSearchesMatchFullTrials) {
    PaintAll(Blue);  // every trial leaves lines
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
        EXPECT_FALSE(board_.SwapCells(9, 9, 10, 9));
        EXPECT_FALSE(board_.RotateBlock(-1, 0, 0, 1, false));
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(std::vector<Move>(swaps.begin(), swaps.end()), SwapMovesByTrial(board_))
            << "seed " << seed;
        EXPECT_EQ(std::vector<Move>(rotations.begin(), rotations.end()),
                  RotationMovesByTrial(board_))
            << "seed " << seed;
    }
    board_.Clear();  // empty cells make no lines
    EXPECT_TRUE(board_.FindSwapMoves().Empty());
}

// The runs painted over the quiet board; each run of four or more must come
// back as one line, starting where the run starts, and score `points`.
struct LineCase {
    const char* name;
    std::vector<CellRun> runs;
    int32_t points;
};

// What a line of 4, 5, ... 10 cells scores.
const int32_t kPointsByLength[] = {25, 50, 100, 250, 500, 1000, 5000};

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
    {"the corner diagonal, its popup in the top row", {{0, 3, 1, -1, 4, Purple}}, 25},
    {"a crossing scores twice", {{4, 3, 0, 1, 4, Purple}, {2, 6, 1, 0, 4, Purple}}, 50},
    {"columns of six to ten",
     {{1, 0, 0, 1, 6, Purple},
      {3, 0, 0, 1, 7, Purple},
      {5, 0, 0, 1, 8, Purple},
      {7, 0, 0, 1, 9, Purple},
      {9, 0, 0, 1, 10, Purple}},
     100 + 250 + 500 + 1000 + 5000},
};

void PrintTo(const LineCase& line, std::ostream* out) {
    *out << line.name;
}

class BoardLinesTest : public BoardTest, public ::testing::WithParamInterface<LineCase> {};

// Each line is found whole, scores with its popup (the picture of its
// points) at its fourth cell, and only its cells are dealt again: growing
// in, never White even on Hard, with one clear sound for them all.
TEST_P(BoardLinesTest, LinesAreFoundScoredAndReplaced) {
    const LineCase& line = GetParam();
    for (const CellRun& run : line.runs) Paint(run);
    board_.SetDifficulty(Hard);
    board_.SetLevelScore(100);
    auto expected = Snapshot();
    const LineList lines = board_.FindLines(4);
    std::vector<std::vector<GridPoint>> found;
    for (const Line& each : lines)
        found.emplace_back(each.cells.begin(), each.cells.begin() + each.length);
    int32_t runs = 0;
    for (const CellRun& run : line.runs) {
        std::vector<GridPoint> cells;
        for (int32_t c = 0; c < run.count; ++c)
            cells.push_back({run.x + c * run.dx, run.y + c * run.dy});
        if (run.count >= 4) {
            ++runs;
            EXPECT_NE(std::find(found.begin(), found.end(), cells), found.end())
                << "run from " << run.x << "," << run.y;
        }
    }
    ASSERT_EQ(lines.Count(), runs);

    board_.ScoreLines();
    EXPECT_EQ(board_.LevelScore(), 100 + line.points);
    EXPECT_EQ(board_.Popups()->LiveCount(), lines.Count());
    for (int32_t i = 0; i < lines.Count(); ++i) {
        EXPECT_EQ(board_.Popups()->Slot(i)->x, 40 * lines[i].cells[3].x);
        EXPECT_EQ(board_.Popups()->Slot(i)->startY, 40 * lines[i].cells[3].y);
        EXPECT_EQ(board_.Popups()->Slot(i)->image,
                  board_.Popups()->PointsImage(kPointsByLength[lines[i].length - 4]));
        for (const GridPoint& cell : found[i]) expected[Board::CellIndex(cell.x, cell.y)] = nullptr;
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

// Only a changed saved game can hold this many lines at once; every one of
// them is kept and scored, and refilled without White. Scored twice before
// any popup ends, they fill the popup list: the points still sound.
TEST_F(BoardTest, MoreThanFiftyLinesAreAllKept) {
    PaintAll(Blue);
    for (int32_t x : {4, 9}) Paint({x, 0, 0, 1, 10, Red});
    board_.SetDifficulty(Hard);
    ASSERT_EQ(board_.FindLines(4).Count(), 58);
    board_.ScoreLines();
    EXPECT_EQ(board_.LevelScore(), 10 * 5000 + 48 * 25);
    EXPECT_EQ(board_.Popups()->LiveCount(), 58);
    sounds_.Stop(*board_.Popups()->Slot(0)->sound);
    sounds_.TakeStarted();
    board_.ScoreLines();
    EXPECT_EQ(board_.LevelScore(), 2 * (10 * 5000 + 48 * 25));
    EXPECT_EQ(board_.Popups()->LiveCount(), ScorePopupList::kSlots);
    EXPECT_GT(Started("Sounds\\Score.wav"), 0);
    board_.ReplaceLineCells();
    EXPECT_EQ(CountColour(White), 0);
    EXPECT_EQ(CountColour(0), 0);
}

// A popup rises 35 pixels a second for 50 pixels, is drawn once more at the
// end, then goes; one starting at the top stays there for the same time.
TEST_F(BoardTest, ScorePopupsRiseFiftyPixelsThenGo) {
    ScorePopupList& popups = *board_.Popups();
    popups.Spawn(25, 120, 280);
    EXPECT_EQ(Started("Sounds\\Score.wav"), 1);
    popups.Spawn(100, 300, 0);
    const struct {
        uint32_t advance;
        int top, topOfTheTopOne;
    } steps[] = {{0, 280, 0}, {1000, 245, 0}, {428, 231, 0}, {1, 230, 0}, {0, -1, -1}};
    for (const auto& step : steps) {
        clock_.Advance(step.advance);
        Blank();
        popups.UpdateAndDraw(*display_);
        EXPECT_EQ(TopAt(150), step.top);
        EXPECT_EQ(TopAt(350), step.topOfTheTopOne);
    }
    EXPECT_EQ(popups.LiveCount(), 0);
}

}  // namespace
