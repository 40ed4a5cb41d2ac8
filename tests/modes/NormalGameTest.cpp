#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "modes/ModeFixture.h"
#include "modes/NormalGame.h"
#include "screens/TestAssets.h"

namespace {
class NormalGameTest : public ModeFixture {
  protected:
    // Purple on (0, 5), (1, 5), (2, 5) and (4, 4): swapping (4, 4) with its
    // diagonal neighbour (3, 5) completes row 5 from x = 0 to 3.
    static void PaintDiagonalMove(Board& board) {
        for (int32_t x : {0, 1, 2}) board.PlacePiece(x, 5, Purple);
        board.PlacePiece(4, 4, Purple);
    }

    // Ticks until the running slide (there, or back) has ended; the time it took.
    uint32_t RunUntilSlideEnds(NormalGame& game) {
        uint32_t start = clock.Now();
        bool back = game.SwappingBack();
        while (game.Swapping() && game.SwappingBack() == back && clock.Now() - start < 5000)
            Tick(game);
        return clock.Now() - start;
    }
};

// Cell (2, 1) spans x 100..139, y 60..99; only its core 106..134, 66..94
// takes the pointer, so a click between cells picks neither.
TEST_F(NormalGameTest, PointerMustBeStrictlyInsideTheCellCore) {
    auto game = Start<NormalGame>(NormalDifficulty, false);
    const struct {
        int32_t x, y;
        bool inside;
    } probes[] = {{106, 66, true},  {134, 94, true},  {105, 80, false},
                  {135, 80, false}, {120, 65, false}, {120, 95, false}};
    for (const auto& probe : probes) {
        EXPECT_EQ(game->PointsAt(probe.x, probe.y, 2, 1), probe.inside)
            << probe.x << "," << probe.y;
    }
}

// 80 pixels per second: the pieces meet after 40 pixels, about 513 ms, and
// the line scores at once. A line the refill happens to form stands until
// the next board check, two seconds on, and no click is taken meanwhile.
TEST_F(NormalGameTest, DiagonalSwapScoresAtOnceAndCascadesWaitForTheNextCheck) {
    auto game = Start<NormalGame>(NormalDifficulty);
    PaintDiagonalMove(*game);
    const Piece* movingUp = game->At(3, 5);
    ClickCell(*game, 4, 4);
    EXPECT_EQ(game->At(4, 4)->mood, Scared);
    EXPECT_EQ(SoundsPlayed(), std::vector<std::string>{"Pop"});
    ClickCell(*game, 3, 5);
    EXPECT_FALSE(game->HasSelection());
    EXPECT_TRUE(SoundsPlayed().empty()) << "a swap starts silently";
    uint32_t took = RunUntilSlideEnds(*game);
    EXPECT_GE(took, 510u);
    EXPECT_LE(took, 530u);
    EXPECT_FALSE(game->SwappingBack());
    EXPECT_EQ(game->LevelScore(), 25);
    EXPECT_EQ(game->At(4, 4), movingUp);
    for (int32_t x = 0; x < 4; ++x) EXPECT_TRUE(game->At(x, 5)->growing) << "x " << x;
    std::vector<std::string> sounds = SoundsPlayed();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "Score"), sounds.end());
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "Zoh"), sounds.end());

    uint32_t check = game->NextCheckTime();
    EXPECT_EQ(check, clock.Now() + 2000);
    for (int32_t x = 0; x < 4; ++x) game->PlacePiece(x, 0, White);
    ClickCell(*game, 6, 6);
    EXPECT_FALSE(game->HasSelection());
    while (!TickAfter(clock.Now() + kTick, check)) Tick(*game);
    EXPECT_EQ(game->LevelScore(), 25);
    Tick(*game);
    EXPECT_GE(game->LevelScore(), 50);
    ClickCell(*game, 6, 6);
    EXPECT_TRUE(game->HasSelection());
}

// A click two cells away moves the selection; held on the selected piece it
// pops no more, and dragged onto a neighbour it swaps. A swap that makes no
// line slides there and back, 513 ms each way.
TEST_F(NormalGameTest, FarClickMovesTheSelectionAndASwapWithoutLineGoesBack) {
    auto game = Start<NormalGame>(NormalDifficulty);
    const auto before = game->Colours();
    ClickCell(*game, 2, 2);
    ClickCell(*game, 4, 2);
    EXPECT_FALSE(game->Swapping());
    EXPECT_EQ(game->SelectedX(), 4);
    EXPECT_EQ(game->At(2, 2)->mood, Standard);
    EXPECT_EQ(SoundsPlayed(), (std::vector<std::string>{"Pop", "Pop"}));
    mouseDown_ = true;
    RunFor(*game, 300);
    EXPECT_TRUE(SoundsPlayed().empty());
    mouseX_ = CellCentre(5);
    Tick(*game);
    ASSERT_TRUE(game->Swapping());

    uint32_t there = RunUntilSlideEnds(*game);
    EXPECT_TRUE(game->SwappingBack());
    EXPECT_EQ(game->Colours()[Board::CellIndex(4, 2)], before[Board::CellIndex(5, 2)]);
    uint32_t back = RunUntilSlideEnds(*game);
    EXPECT_GE(there + kTick, 510u);
    EXPECT_GE(back, 510u);
    EXPECT_LE(back, 530u);
    EXPECT_FALSE(game->Swapping());
    EXPECT_EQ(game->Colours(), before);
    EXPECT_EQ(game->LevelScore(), 0);
}

// The hint costs 100 points only when the level has more than 100, even
// when there is no move to show; it marks the first move the search lists
// until a selection ends it.
TEST_F(NormalGameTest, HintCostsOnlyAboveOneHundred) {
    auto game = Start<NormalGame>(NormalDifficulty);
    PaintDiagonalMove(*game);
    game->SetLevelScore(100);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 100);
    const Move first = game->FindSwapMoves()[0];
    ASSERT_EQ(game->Hint(), first);
    EXPECT_EQ(game->At(first.x1, first.y1)->mood, Scared);
    EXPECT_EQ(game->At(first.x2, first.y2)->mood, Scared);
    game->SetLevelScore(101);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 1);
    ClickCell(*game, 8, 1);
    EXPECT_FALSE(game->Hint());
    EXPECT_EQ(game->At(first.x1, first.y1)->mood, Standard);

    FillQuiet(*game);
    game->SetLevelScore(150);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 50);
    EXPECT_FALSE(game->Hint());
}

// The first two games are played on Easy with a demonstration row and the
// start help, which the first swap ends.
TEST_F(NormalGameTest, FirstTwoGamesAreHelpGamesOnEasyWithTheDemonstrationRow) {
    dir.WriteFile("Data/Help.dat", "1");
    for (int game = 1; game <= 3; ++game) {
        clock.Advance(977);  // a different deal each time
        auto normal = Start<NormalGame>(Hard, false);
        bool help = game <= 2;
        EXPECT_EQ(normal->StartHelpShown(), help) << "game " << game;
        EXPECT_EQ(normal->DifficultyLevel(), help ? Easy : Hard) << "game " << game;
        EXPECT_TRUE(normal->FindLines(4).Empty()) << "game " << game;
        if (!help)
            continue;
        const auto colours = normal->Colours();
        EXPECT_EQ(std::count(colours.begin(), colours.end(), White), 4) << "only the row's White";
        const int32_t row[] = {White, White, White, Red, White};
        for (int32_t x = 3; x <= 7; ++x) EXPECT_EQ(colours[Board::CellIndex(x, 4)], row[x - 3]);
        Tick(*normal);
        EXPECT_EQ(display.PixelAt(300, 125), kTestStartHelpRgb);
        ClickCell(*normal, 0, 0);
        EXPECT_TRUE(normal->StartHelpShown()) << "a selection keeps the help";
        ClickCell(*normal, 1, 0);
        EXPECT_FALSE(normal->StartHelpShown()) << "the first swap ends it";
    }
    EXPECT_EQ(dir.ReadFile("Data/Help.dat"), "4");
}

// With no move left the check shows the notice for 2.5 s (the board still
// takes moves), then deals a new board that grows in with the clear sound,
// keeping the level's points; a swap started meanwhile goes on over it.
TEST_F(NormalGameTest, NoMovesLeftShowsForTwoAndAHalfSecondsThenANewBoard) {
    auto game = Start<NormalGame>(NormalDifficulty);
    FillQuiet(*game);  // the last move is gone
    game->SetLevelScore(300);
    Tick(*game);
    ASSERT_TRUE(game->NoMovesShown());
    const uint32_t noticeStart = clock.Now();
    RunFor(*game, 2000);
    EXPECT_EQ(display.PixelAt(210, 220), kTestNoMovesRgb);
    ClickCell(*game, 0, 0);
    ClickCell(*game, 1, 0);
    ASSERT_TRUE(game->Swapping());
    SoundsPlayed();
    while (game->NoMovesShown()) Tick(*game);
    EXPECT_EQ(clock.Now() - noticeStart, 2510u);
    EXPECT_EQ(SoundsPlayed(), std::vector<std::string>{"Zoh"});
    EXPECT_EQ(game->LevelScore(), 300);
    EXPECT_TRUE(game->At(5, 5)->growing) << "a new board grows in";
    EXPECT_TRUE(game->Swapping()) << "the new board does not stop the swap";
    RunUntilSlideEnds(*game);
    RunUntilSlideEnds(*game);
    EXPECT_FALSE(game->Swapping());
    Tick(*game);
    EXPECT_NE(display.PixelAt(210, 220), kTestNoMovesRgb);
}

}  // namespace
