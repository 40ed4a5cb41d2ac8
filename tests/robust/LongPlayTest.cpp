#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
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

// A bot plays long games in each variant and difficulty across the 32-bit
// tick wrap. After every idle call: every cell holds a piece, the total only
// grows (but for a hint), no line outlives a board check, the live heap does
// not grow. Now and then it thinks with the pointer off the board or on a
// piece, so the loop would sleep. ./soak.sh plays 20,000 moves a game
// (VLIMS_SOAK_MOVES sets another length).
namespace {
// Shortly before the wrap: every game crosses it.
constexpr uint32_t kStartTick = 0xFFFFFFFFu - 15000u;
// Live heap may wander as pieces, popups and lists come and go, not grow.
constexpr size_t kHeapSlack = 512 * 1024;
// Long enough for new pieces to grow, popups to go and the next check to run.
constexpr int kThinkingTicks = 300;

size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return 0;
#endif
}

using Standing = std::vector<std::vector<const Piece*>>;

// The pieces of every standing line: a resolved one has new pieces.
Standing StandingLines(const GameMode& mode) {
    Standing standing;
    for (const Line& line : mode.FindLines(4)) {
        std::vector<const Piece*>& pieces = standing.emplace_back();
        for (int i = 0; i < line.length; ++i)
            pieces.push_back(mode.At(line.cells[i].x, line.cells[i].y));
    }
    return standing;
}

class LongPlayTest : public ::testing::TestWithParam<std::tuple<GameVariant, Difficulty>> {
  protected:
    void SetUp() override {
        HeadlessGame::CopyGameFolder();
        // Past the help games, which are always played on Easy.
        dir_.WriteFile("Data/Help.dat", "9");
        dir_.WriteFile("Data/Help2.dat", "9");
    }

    void Fail(const std::string& what) {
        ADD_FAILURE() << what << " (move " << moves_ << ", tick " << game_.Clock().Now() << ")";
        ++failures_;
    }

    // Runs after every idle call.
    void CheckInvariants() {
        GameMode* mode = game_.Mode();
        if (!mode)
            return Fail("the play screen was left");
        const auto colours = mode->Colours();
        if (std::count(colours.begin(), colours.end(), 0) > 0)
            Fail("a cell holds no piece");
        const int32_t total = game_.Current<PlayScreen>()->TotalScore();
        const bool hintCharge = hintPending_ && lastTotal_ - total == GameMode::kHintCost;
        hintPending_ = hintPending_ && !hintCharge;
        if (total < lastTotal_ && !hintCharge)
            Fail("the score fell from " + std::to_string(lastTotal_) + " to " +
                 std::to_string(total));
        lastTotal_ = total;
        // A board check that ran in this tick resolved every line standing before.
        Standing lines = StandingLines(*mode);
        if (mode == lastMode_ && mode->NextCheckTime() != lastCheckTime_) {
            for (const std::vector<const Piece*>& line : standing_)
                if (std::find(lines.begin(), lines.end(), line) != lines.end())
                    Fail("a line stood through a board check");
        }
        standing_ = std::move(lines);
        lastMode_ = mode;
        lastCheckTime_ = mode->NextCheckTime();
        peakHeap_ = std::max(peakHeap_, LiveHeapBytes());
    }

    TempWorkDir dir_;
    HeadlessGame game_{kStartTick};
    int moves_ = 0;
    int failures_ = 0;
    int32_t lastTotal_ = 0;
    bool hintPending_ = false;
    Standing standing_;
    const GameMode* lastMode_ = nullptr;
    uint32_t lastCheckTime_ = 0;
    size_t peakHeap_ = 0;
};

TEST_P(LongPlayTest, InvariantsHoldMoveAfterMove) {
    const char* soakMoves = std::getenv("VLIMS_SOAK_MOVES");
    const int moves = !std::getenv("VLIMS_SOAK") ? 170
                      : soakMoves                ? std::max(1, std::atoi(soakMoves))
                                                 : 20000;
    const auto [variant, difficulty] = GetParam();
    game_.Start();
    shared.difficulty = difficulty;
    game_.ClickButton(Buttons::kPlayGame);
    if (variant == RotationalVariant)
        game_.ClickButton(Buttons::kRotationalType);
    ASSERT_NE(game_.Mode(), nullptr);
    lastTotal_ = game_.Current<PlayScreen>()->TotalScore();
    game_.AfterEveryIdle([this] { CheckInvariants(); });
    unsigned random =
        static_cast<unsigned>(static_cast<int>(variant) * 7 + static_cast<int>(difficulty));
    // A game that stops taking moves is a hang, not a long game.
    const long tickLimit = 1000L * moves + 10000;
    long ticks = 0;
    size_t settledHeap = 0;
    int hintMove = -1;
    int thoughtAt = -1;
    while (moves_ < moves && failures_ < 5 && ticks++ < tickLimit) {
        random = random * 1103515245u + 12345u;
        // Now and then the tick comes late, as on a busy machine.
        if ((random >> 16) % 16 == 0)
            game_.Idle(11 + (random >> 8) % 120);
        else
            game_.Tick();
        if (!game_.AtRest())
            continue;
        Move move;
        if (moves_ % 10 == 5 && thoughtAt != moves_) {
            thoughtAt = moves_;
            const bool onAPiece = moves_ % 20 == 15;
            game_.MovePointer(onAPiece ? 200 : 600, onAPiece ? 200 : 30);
            for (int tick = 0; tick < kThinkingTicks; ++tick) game_.Tick();
        } else if (moves_ % 97 == 50 && hintMove != moves_) {
            hintMove = moves_;
            hintPending_ = true;
            game_.ClickButton(Buttons::kHint);
            hintPending_ = false;
        } else if (game_.PickMove(move)) {  // else "No Moves Left" comes with the next check
            game_.MakeMove(move);
            // The first fifth settles the heap; the rest must stay within it.
            if (++moves_ == moves / 5)
                settledHeap = std::exchange(peakHeap_, 0);
        }
    }
    EXPECT_LT(ticks, tickLimit) << "the game stopped taking moves";
    EXPECT_GT(game_.QuietTicks(), 0) << "the board never came to rest";
    EXPECT_EQ(moves_, moves);
    EXPECT_LT(game_.Clock().Now(), kStartTick) << "the tick count never wrapped";
    std::printf("%d moves in %ld ticks, live heap %zu kB settled, %zu kB after\n", moves_, ticks,
                settledHeap / 1024, peakHeap_ / 1024);
    // The live heap is counted in sanitizer builds only.
    EXPECT_TRUE(LiveHeapBytes() == 0 || peakHeap_ <= settledHeap + kHeapSlack)
        << "the live heap grew during play: " << peakHeap_ << " after " << settledHeap;
    game_.AfterEveryIdle(nullptr);
    game_.Close();
    EXPECT_EQ(game_.Exit(), 1);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<GameVariant, Difficulty>>& info) {
    static const char* const kDifficulties[] = {"", "Easy", "Normal", "Hard"};
    const auto [variant, difficulty] = info.param;
    return std::string(variant == NormalVariant ? "Normal" : "Rotational") +
           kDifficulties[difficulty];
}

INSTANTIATE_TEST_SUITE_P(EveryVariantAndDifficulty, LongPlayTest,
                         ::testing::Combine(::testing::Values(NormalVariant, RotationalVariant),
                                            ::testing::Values(Easy, NormalDifficulty, Hard)),
                         CaseName);
}  // namespace
