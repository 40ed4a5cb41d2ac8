#include <gtest/gtest.h>

#include <memory>

#include "modes/ModeFixture.h"
#include "modes/RotationalGame.h"
#include "screens/TestAssets.h"

namespace {
class RotationalGameTest : public ModeFixture {
  protected:
    void ClickCorner(RotationalGame& game, int32_t c, int32_t r) {
        Click(game, Corner(c), Corner(r));
    }

    // Ticks until the running turn (there, or back) has ended.
    void RunUntilTurnEnds(RotationalGame& game) {
        uint32_t start = clock.Now();
        bool back = game.RotatingBack();
        while (game.Rotating() && game.RotatingBack() == back && clock.Now() - start < 5000)
            Tick(game);
    }
};

// A corner's button reaches 15 pixels right and down but only 10 left and
// up; the grid's outer edge has none.
TEST_F(RotationalGameTest, ClickAreaReachesFivePixelsFurtherRightAndDown) {
    auto game = Start<RotationalGame>(NormalDifficulty);
    int32_t c = 0, r = 0;
    const struct {
        int32_t x, y;
        bool inside;
    } probes[] = {{Corner(4) + 15, Corner(4) + 15, true}, {Corner(4) - 10, Corner(4) - 10, true},
                  {Corner(4) + 15, Corner(4) - 10, true}, {Corner(4) + 16, Corner(4), false},
                  {Corner(4), Corner(4) + 16, false},     {Corner(4) - 11, Corner(4), false},
                  {Corner(4), Corner(4) - 11, false},     {Corner(0), Corner(0), false},
                  {Corner(10) - 5, Corner(5), false}};
    for (const auto& probe : probes) {
        const bool found = game->CornerAt(probe.x, probe.y, c, r);
        EXPECT_EQ(found, probe.inside) << probe.x << ", " << probe.y;
        EXPECT_TRUE(!found || (c == 4 && r == 4)) << probe.x << ", " << probe.y;
    }
    Click(*game, Corner(4) + 16, Corner(4));
    EXPECT_FALSE(game->Rotating());
    Click(*game, Corner(4) + 15, Corner(4) + 15);
    EXPECT_EQ(game->BlockTopLeft(), (GridPoint{3, 3}));
}

// A turn making no line turns clockwise, pauses 100 ms in the frame that
// ends it, and turns back in 513 ms. Held down, the button turns its block
// again after each turn, and only that block.
TEST_F(RotationalGameTest, TurnWithoutLinePausesThenTurnsBackAndAgainWhileHeld) {
    auto game = Start<RotationalGame>(NormalDifficulty);
    const auto before = game->Colours();
    mouseX_ = mouseY_ = Corner(2);
    mouseDown_ = true;
    uint32_t lastTick = 0;
    const uint32_t start = clock.Now();
    while (!game->RotatingBack() && clock.Now() - start < 5000) {
        lastTick = clock.Now();
        Tick(*game);
    }
    const uint32_t endOfTurn = clock.Now();
    EXPECT_EQ(endOfTurn - lastTick, kTick + 100);
    EXPECT_EQ(game->Colours()[Board::CellIndex(2, 1)], before[Board::CellIndex(1, 1)]);
    EXPECT_EQ(game->Colours()[Board::CellIndex(1, 1)], before[Board::CellIndex(1, 2)]);
    RunUntilTurnEnds(*game);
    EXPECT_GE(clock.Now() - endOfTurn, 510u);
    EXPECT_LE(clock.Now() - endOfTurn, 530u);
    EXPECT_EQ(game->Colours(), before);
    EXPECT_EQ(game->LevelScore(), 0);

    int turnsBack = 1;
    bool wasBack = false;
    while (clock.Now() - start < 2400) {
        Tick(*game);
        turnsBack += game->RotatingBack() && !wasBack;
        wasBack = game->RotatingBack();
        if (game->Rotating()) {
            EXPECT_EQ(game->BlockTopLeft(), (GridPoint{1, 1}));
        }
    }
    EXPECT_EQ(turnsBack, 2);
}

// Every game starts with the help for at most eight seconds, at the chosen
// difficulty; a turn hides it at once.
TEST_F(RotationalGameTest, StartHelpForAtMostEightSecondsAtTheChosenDifficulty) {
    dir.WriteFile("Data/Help2.dat", "1");
    auto game = Start<RotationalGame>(Hard);
    const uint32_t started = clock.Now();
    EXPECT_TRUE(game->StartHelpShown());
    EXPECT_EQ(game->DifficultyLevel(), Hard);
    RunFor(*game, 7990);
    EXPECT_EQ(display.PixelAt(150, 150), kTestStartHelp2Rgb);
    Tick(*game);
    EXPECT_EQ(clock.Now() - started, 8000u);
    EXPECT_NE(display.PixelAt(150, 150), kTestStartHelp2Rgb);

    auto second = Start<RotationalGame>(Hard);
    ClickCorner(*second, 2, 2);
    EXPECT_FALSE(second->StartHelpShown());
    EXPECT_NE(display.PixelAt(150, 150), kTestStartHelp2Rgb);
    EXPECT_FALSE(Start<RotationalGame>(Hard)->StartHelpShown());
    EXPECT_EQ(dir.ReadFile("Data/Help2.dat"), "4");
    EXPECT_EQ(dir.ReadFile("Data/Help.dat"), "5") << "the other variant's count";
}

// The hint marks the first block whose turn makes a line, and stays until
// that turn has ended.
TEST_F(RotationalGameTest, HintMarksTheFirstTurningBlock) {
    auto game = Start<RotationalGame>(NormalDifficulty);
    game->PlacePiece(3, 3, Purple);  // turning to (4, 3) completes row 3
    for (int32_t x : {5, 6, 7}) game->PlacePiece(x, 3, Purple);
    game->SetLevelScore(101);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 1);
    ASSERT_EQ(game->Hint(), (Move{3, 3, 4, 4}));
    EXPECT_EQ(game->At(3, 3)->mood, Scared);
    EXPECT_EQ(game->At(4, 4)->mood, Scared);
    ClickCorner(*game, 4, 4);
    EXPECT_TRUE(game->Hint());
    RunUntilTurnEnds(*game);
    EXPECT_FALSE(game->Hint());
    EXPECT_EQ(game->LevelScore(), 26);
}

// The board check that finds no move drops a turn begun on its tick; a
// turn begun during the notice goes on over the new board.
TEST_F(RotationalGameTest, NoMovesLeftStopsTheTurnAndANewTurnGoesOnOverTheNewBoard) {
    auto game = Start<RotationalGame>(NormalDifficulty);
    FillQuiet(*game);
    ClickCorner(*game, 5, 5);  // the first check runs on this tick
    ASSERT_TRUE(game->NoMovesShown());
    EXPECT_FALSE(game->Rotating()) << "the check dropped the turn";
    RunFor(*game, 2300);
    ClickCorner(*game, 5, 5);
    ASSERT_TRUE(game->Rotating());
    while (game->NoMovesShown()) Tick(*game);
    EXPECT_TRUE(game->Rotating());
    RunUntilTurnEnds(*game);
    RunUntilTurnEnds(*game);
    EXPECT_FALSE(game->Rotating());
}
}  // namespace
