#include <gtest/gtest.h>

#include <memory>

#include "modes/ModeFixture.h"
#include "modes/RotationalGame.h"

namespace {
class RotationalGameTest : public ModeFixture {
  protected:
    // A game past its help games, on a quiet board with one spare move.
    std::unique_ptr<RotationalGame> StartQuietGame() {
        dir_.WriteFile("Data/Help2.dat", "5");
        auto game = StartGame(NormalDifficulty);
        FillQuiet(*game);
        PaintSpareMove(*game);
        return game;
    }

    std::unique_ptr<RotationalGame> StartGame(Difficulty difficulty) {
        auto game = std::make_unique<RotationalGame>();
        game->NewGame(display_, sound_, kOrigin, kOrigin, false, difficulty, clock_.Now());
        return game;
    }

    void ClickCorner(RotationalGame& game, int32_t c, int32_t r) {
        Click(game, Corner(c), Corner(r));
    }

    // Ticks until the running turn (there, or back) has ended.
    void RunUntilTurnEnds(RotationalGame& game) {
        uint32_t start = clock_.Now();
        bool back = game.RotatingBack();
        while (game.Rotating() && game.RotatingBack() == back && clock_.Now() - start < 5000)
            Tick(game);
    }
};

TEST_F(RotationalGameTest, CornerTurnMovesTheFourPiecesClockwise) {
    auto game = StartQuietGame();
    // (3, 3) turning to (4, 3) completes row 3 from x = 4 to 7.
    Paint(*game, 3, 3, Purple);
    for (int32_t x : {5, 6, 7}) Paint(*game, x, 3, Purple);
    const Piece* topRight = game->At(4, 3);
    const Piece* bottomRight = game->At(4, 4);
    const Piece* bottomLeft = game->At(3, 4);

    ClickCorner(*game, 4, 4);
    ASSERT_TRUE(game->Rotating());
    EXPECT_EQ(game->BlockTopLeft(), (GridPoint{3, 3}));
    RunUntilTurnEnds(*game);
    EXPECT_FALSE(game->Rotating());
    EXPECT_EQ(game->At(4, 4), topRight);
    EXPECT_EQ(game->At(3, 4), bottomRight);
    EXPECT_EQ(game->At(3, 3), bottomLeft);
    EXPECT_TRUE(game->At(4, 3)->growing) << "the line's cells are refilled";
    EXPECT_EQ(game->LevelScore(), 25);
    EXPECT_EQ(game->BlockTopLeft(), (GridPoint{-1, -1}));
}

TEST_F(RotationalGameTest, ClickAreaReachesFivePixelsFurtherRightAndDown) {
    auto game = StartQuietGame();
    int32_t c = 0, r = 0;
    struct Probe {
        int32_t dx, dy;
        bool inside;
    };
    for (Probe probe :
         {Probe{15, 15, true}, Probe{-10, -10, true}, Probe{15, -10, true}, Probe{16, 0, false},
          Probe{0, 16, false}, Probe{-11, 0, false}, Probe{0, -11, false}}) {
        bool found = game->CornerAt(Corner(4) + probe.dx, Corner(4) + probe.dy, c, r);
        EXPECT_EQ(found && c == 4 && r == 4, probe.inside) << probe.dx << ", " << probe.dy;
        EXPECT_EQ(found, probe.inside) << "belongs to no other corner either";
    }
    // No buttons on the outer edge of the grid.
    EXPECT_FALSE(game->CornerAt(Corner(0), Corner(0), c, r));
    EXPECT_FALSE(game->CornerAt(Corner(10) - 5, Corner(5), c, r));
    EXPECT_TRUE(game->CornerAt(Corner(9) + 15, Corner(9) + 15, c, r));
    EXPECT_EQ(c, 9);

    Click(*game, Corner(4) + 16, Corner(4));
    EXPECT_FALSE(game->Rotating());
    Click(*game, Corner(4) + 15, Corner(4) + 15);
    EXPECT_TRUE(game->Rotating());
    EXPECT_EQ(game->BlockTopLeft(), (GridPoint{3, 3}));
}

TEST_F(RotationalGameTest, TurnWithoutLinePausesThenTurnsBack) {
    auto game = StartQuietGame();
    auto before = Pieces(*game);
    ClickCorner(*game, 2, 2);
    uint32_t lastTick = 0;
    for (uint32_t start = clock_.Now(); !game->RotatingBack() && clock_.Now() - start < 5000;) {
        lastTick = clock_.Now();
        Tick(*game);
    }
    // The frame that turned the block also slept the 100 ms pause.
    uint32_t endOfTurn = clock_.Now();
    EXPECT_EQ(endOfTurn - lastTick, kTick + 100);
    EXPECT_EQ(game->At(2, 1), before[Board::CellIndex(1, 1)]) << "turned clockwise first";
    EXPECT_EQ(game->At(1, 1), before[Board::CellIndex(1, 2)]);

    RunUntilTurnEnds(*game);
    EXPECT_FALSE(game->Rotating());
    EXPECT_GE(clock_.Now() - endOfTurn, 510u);
    EXPECT_LE(clock_.Now() - endOfTurn, 530u);
    EXPECT_EQ(Pieces(*game), before);
    EXPECT_EQ(game->LevelScore(), 0);
}

TEST_F(RotationalGameTest, HeldButtonTurnsAgainAfterEachTurn) {
    auto game = StartQuietGame();
    mouseX_ = Corner(3);
    mouseY_ = Corner(3);
    mouseDown_ = true;
    int turnsBack = 0;
    bool wasBack = false;
    for (uint32_t start = clock_.Now(); clock_.Now() - start < 2400;) {
        Tick(*game);
        turnsBack += game->RotatingBack() && !wasBack;
        wasBack = game->RotatingBack();
        // Never more than the one block turns.
        if (game->Rotating()) {
            EXPECT_EQ(game->BlockTopLeft(), (GridPoint{2, 2}));
        }
    }
    EXPECT_EQ(turnsBack, 2);
}

TEST_F(RotationalGameTest, StartHelpForAtMostEightSecondsAtTheChosenDifficulty) {
    auto game = StartGame(Hard);
    uint32_t started = clock_.Now();
    EXPECT_TRUE(game->StartHelpShown());
    EXPECT_EQ(game->DifficultyLevel(), Hard);
    EXPECT_EQ(dir_.ReadFile("Data/Help2.dat"), "2");
    EXPECT_FALSE(dir_.Exists("Data/Help.dat"));
    FillQuiet(*game);
    PaintSpareMove(*game);

    RunFor(*game, 7990);
    EXPECT_EQ(display_.PixelAt(150, 150), kStartHelp2);
    Tick(*game);
    EXPECT_EQ(clock_.Now() - started, 8000u);
    EXPECT_NE(display_.PixelAt(150, 150), kStartHelp2);

    // A turn hides it at once.
    auto second = StartGame(Hard);
    FillQuiet(*second);
    PaintSpareMove(*second);
    ClickCorner(*second, 2, 2);
    EXPECT_FALSE(second->StartHelpShown());
    EXPECT_NE(display_.PixelAt(150, 150), kStartHelp2);

    auto third = StartGame(Hard);
    EXPECT_FALSE(third->StartHelpShown());
    EXPECT_EQ(dir_.ReadFile("Data/Help2.dat"), "4");
}

TEST_F(RotationalGameTest, HintMarksTheFirstTurningBlock) {
    auto game = StartQuietGame();
    Paint(*game, 3, 3, Purple);
    for (int32_t x : {5, 6, 7}) Paint(*game, x, 3, Purple);
    game->SetLevelScore(101);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 1);
    ASSERT_TRUE(game->Hint());
    EXPECT_EQ(*game->Hint(), (Move{3, 3, 4, 4}));
    EXPECT_EQ(game->At(3, 3)->mood, Scared);
    EXPECT_EQ(game->At(4, 4)->mood, Scared);

    // The pointer brightens a hint piece too; the hint ends with the turn.
    mouseX_ = CellCentre(3);
    mouseY_ = CellCentre(3);
    Tick(*game);
    EXPECT_EQ(game->At(3, 3)->mood, Emotion);
    ClickCorner(*game, 4, 4);
    EXPECT_TRUE(game->Hint()) << "the hint stays while the block turns";
    RunUntilTurnEnds(*game);
    EXPECT_FALSE(game->Hint());
}

TEST_F(RotationalGameTest, NoMovesLeftStopsTheTurnAndANewTurnGoesOnOverTheNewBoard) {
    auto game = StartQuietGame();
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
    for (const Piece* cell : Pieces(*game)) EXPECT_NE(cell, nullptr);
}
}  // namespace
