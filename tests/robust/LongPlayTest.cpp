#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "HeadlessGame.h"
#include "app/SharedState.h"
#include "board/LineList.h"
#include "board/Move.h"
#include "board/Piece.h"
#include "modes/GameMode.h"
#include "screens/Button.h"
#include "screens/PlayScreen.h"
#include "support/TempWorkDir.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of live heap bytes.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

// A bot plays long games headless on the manual clock, in each variant and
// difficulty, starting shortly before the 32-bit tick count wraps. After
// every idle call it checks that every cell holds a piece, that the total
// score only grows (but for the hint's 100), that no line stands unresolved
// past the next board checks, and that the live heap does not grow.
// ./test.sh plays about 1,000 moves in all; ./soak.sh sets VLIMS_SOAK and
// plays 20,000 in each game.
namespace {
// Shortly before the wrap: every game crosses it.
constexpr uint32_t kStartTick = 0xFFFFFFFFu - 15000u;
// Live heap may wander as pieces, popups and lists come and go, not grow.
constexpr size_t kHeapSlack = 512 * 1024;

size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return 0;
#endif
}

// The pieces of every line now standing: a line that was resolved has new
// pieces, even where the new ones happen to form the same line again.
std::vector<std::vector<const Piece*>> StandingLines(const GameMode& mode) {
    std::vector<std::vector<const Piece*>> standing;
    for (const Line& line : mode.FindLines(4)) {
        std::vector<const Piece*>& pieces = standing.emplace_back();
        for (int i = 0; i < line.length; ++i)
            pieces.push_back(mode.At(line.cells[i].x, line.cells[i].y));
    }
    return standing;
}

struct SoakFigures {
    int moves = 0;
    long ticks = 0;
    int checks = 0;
    bool wrapped = false;
    int hints = 0;
    int levels = 0;
    size_t peakHeap = 0;
    size_t settledHeap = 0;
    size_t finalHeap = 0;
};

class LongPlay {
  public:
    LongPlay(GameVariant variant, Difficulty difficulty) : game_(kStartTick) {
        variant_ = variant;
        difficulty_ = difficulty;
    }

    SoakFigures Play(int moves) {
        game_.Start();
        game_.StartGame(variant_, difficulty_);
        EXPECT_NE(game_.Play(), nullptr);
        if (!game_.Play())
            return figures_;
        lastTotal_ = game_.Play()->TotalScore();
        game_.AfterEveryIdle([this] { CheckInvariants(); });
        unsigned random = static_cast<unsigned>(variant_ * 7 + difficulty_);
        // A game that stops taking moves is a hang, not a long game.
        const long tickLimit = 1000L * moves + 10000;
        while (figures_.moves < moves && !::testing::Test::HasFatalFailure() && failures_ < 5) {
            if (figures_.ticks > tickLimit) {
                Fail("the game stopped taking moves");
                break;
            }
            random = random * 1103515245u + 12345u;
            // Now and then the tick comes late, as on a busy machine.
            if ((random >> 16) % 16 == 0)
                game_.Idle(11 + (random >> 8) % 120);
            else
                game_.Tick();
            ++figures_.ticks;
            if (!game_.AtRest())
                continue;
            if (figures_.moves % 97 == 50 && hintMove_ != figures_.moves) {
                hintMove_ = figures_.moves;
                hintPending_ = true;
                ++figures_.hints;
                game_.ClickButton(Buttons::kHint);
                hintPending_ = false;
                continue;
            }
            Move move;
            if (!game_.PickMove(move))
                continue;  // "No Moves Left" comes with the next check
            game_.MakeMove(move, variant_ == RotationalVariant);
            ++figures_.moves;
            // The first fifth of the game settles the heap; the rest must
            // stay within it.
            if (figures_.moves == moves / 5) {
                figures_.settledHeap = peakSinceMark_;
                peakSinceMark_ = 0;
            }
        }
        figures_.finalHeap = peakSinceMark_;
        figures_.wrapped = game_.Clock().Now() < kStartTick;
        figures_.levels = game_.Play() ? game_.Play()->Level() : 0;
        game_.AfterEveryIdle(nullptr);
        game_.Close();
        EXPECT_EQ(game_.Exit(), 1);
        return figures_;
    }

  private:
    void Fail(const std::string& what) {
        ADD_FAILURE() << what << " (variant " << variant_ << ", difficulty " << difficulty_
                      << ", move " << figures_.moves << ", tick " << game_.Clock().Now() << ")";
        ++failures_;
    }

    void CheckInvariants() {
        PlayScreen* play = game_.Play();
        GameMode* mode = game_.Mode();
        if (!play || !mode) {
            Fail("the play screen was left");
            return;
        }
        for (int cell = 0; cell < GameMode::kCellCount; ++cell) {
            if (mode->Colours()[cell] == 0) {
                Fail("cell " + std::to_string(cell) + " holds no piece");
                break;
            }
        }
        const int32_t total = play->TotalScore();
        const bool hintCharge = hintPending_ && lastTotal_ - total == GameMode::kHintCost;
        if (hintCharge)
            hintPending_ = false;
        if (total < lastTotal_ && !hintCharge)
            Fail("the score fell from " + std::to_string(lastTotal_) + " to " +
                 std::to_string(total));
        lastTotal_ = total;

        // A board check that ran in this tick (the mode moved its next
        // check on) has resolved every line that stood before it.
        std::vector<std::vector<const Piece*>> lines = StandingLines(*mode);
        if (mode == lastMode_ && mode->NextCheckTime() != lastCheckTime_) {
            ++figures_.checks;
            for (const std::vector<const Piece*>& line : standing_) {
                if (std::find(lines.begin(), lines.end(), line) != lines.end())
                    Fail("a line stood through a board check");
            }
        }
        standing_ = std::move(lines);
        lastMode_ = mode;
        lastCheckTime_ = mode->NextCheckTime();

        const size_t heap = LiveHeapBytes();
        peakSinceMark_ = std::max(peakSinceMark_, heap);
        figures_.peakHeap = std::max(figures_.peakHeap, heap);
    }

    HeadlessGame game_;
    GameVariant variant_;
    Difficulty difficulty_;
    SoakFigures figures_;
    int32_t lastTotal_ = 0;
    bool hintPending_ = false;
    int hintMove_ = -1;
    std::vector<std::vector<const Piece*>> standing_;
    const GameMode* lastMode_ = nullptr;
    uint32_t lastCheckTime_ = 0;
    size_t peakSinceMark_ = 0;
    int failures_ = 0;
};

struct LongPlayCase {
    GameVariant variant;
    Difficulty difficulty;
};

std::string CaseName(const ::testing::TestParamInfo<LongPlayCase>& info) {
    static const char* const kDifficulties[] = {"", "Easy", "Normal", "Hard"};
    return std::string(info.param.variant == NormalVariant ? "Normal" : "Rotational") +
           kDifficulties[info.param.difficulty];
}

class LongPlayTest : public ::testing::TestWithParam<LongPlayCase> {
  protected:
    void SetUp() override {
        HeadlessGame::CopyGameFolder();
        // Past the help games, which are always played on Easy.
        dir_.WriteFile("Data/Help.dat", "9");
        dir_.WriteFile("Data/Help2.dat", "9");
    }
    TempWorkDir dir_;
};
}  // namespace

TEST_P(LongPlayTest, InvariantsHoldMoveAfterMove) {
    // VLIMS_SOAK_MOVES sets another length for a soak run.
    const bool soak = std::getenv("VLIMS_SOAK") != nullptr;
    const char* soakMoves = std::getenv("VLIMS_SOAK_MOVES");
    const int moves = !soak ? 170 : soakMoves ? std::max(1, std::atoi(soakMoves)) : 20000;
    LongPlay play(GetParam().variant, GetParam().difficulty);
    SoakFigures figures = play.Play(moves);
    EXPECT_EQ(figures.moves, moves);
    EXPECT_TRUE(figures.wrapped) << "the tick count never wrapped";
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%s: %d moves, %ld ticks, %d board checks, %d hints, level %d, live heap peak %zu kB "
        "(settled %zu kB, last stretch %zu kB), process peak RSS %ld MB\n",
        CaseName({GetParam(), 0}).c_str(), figures.moves, figures.ticks, figures.checks,
        figures.hints, figures.levels, figures.peakHeap / 1024, figures.settledHeap / 1024,
        figures.finalHeap / 1024, usage.ru_maxrss / 1024);
    if (LiveHeapBytes() > 0) {  // counted in sanitizer builds only
        EXPECT_LE(figures.finalHeap, figures.settledHeap + kHeapSlack)
            << "the live heap grew during play";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryVariantAndDifficulty, LongPlayTest,
                         ::testing::Values(LongPlayCase{NormalVariant, Easy},
                                           LongPlayCase{NormalVariant, NormalDifficulty},
                                           LongPlayCase{NormalVariant, Hard},
                                           LongPlayCase{RotationalVariant, Easy},
                                           LongPlayCase{RotationalVariant, NormalDifficulty},
                                           LongPlayCase{RotationalVariant, Hard}),
                         CaseName);
