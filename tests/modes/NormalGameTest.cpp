#include <gtest/gtest.h>

#include <memory>

#include "modes/ModeFixture.h"
#include "modes/NormalGame.h"

namespace {
class NormalGameTest : public ModeFixture {
  protected:
    // A game past its help games, on a quiet board with one spare move.
    std::unique_ptr<NormalGame> StartQuietGame() {
        dir_.WriteFile("Data/Help.dat", "5");
        auto game = StartGame(NormalDifficulty);
        FillQuiet(*game);
        PaintSpareMove(*game);
        SoundsPlayed();
        return game;
    }

    std::unique_ptr<NormalGame> StartGame(Difficulty difficulty) {
        auto game = std::make_unique<NormalGame>();
        game->NewGame(display_, sound_, kOrigin, kOrigin, false, difficulty, clock_.Now());
        return game;
    }

    // Purple on (0, 5), (1, 5), (2, 5) and (4, 4): swapping (4, 4) with its
    // diagonal neighbour (3, 5) completes row 5 from x = 0 to 3.
    static void PaintDiagonalMove(Board& board) {
        for (int32_t x : {0, 1, 2}) Paint(board, x, 5, Purple);
        Paint(board, 4, 4, Purple);
    }

    // Ticks until the running slide (there, or back) has ended; the time it took.
    uint32_t RunUntilSlideEnds(NormalGame& game) {
        uint32_t start = clock_.Now();
        bool back = game.SwappingBack();
        while (game.Swapping() && game.SwappingBack() == back && clock_.Now() - start < 5000)
            Tick(game);
        return clock_.Now() - start;
    }
};

TEST_F(NormalGameTest, SelectionThenDiagonalSwapScoresTheLineAtOnce) {
    auto game = StartQuietGame();
    PaintDiagonalMove(*game);
    const Piece* movingDown = game->At(4, 4);
    const Piece* movingUp = game->At(3, 5);

    ClickCell(*game, 4, 4);
    EXPECT_TRUE(game->HasSelection());
    EXPECT_EQ(game->SelectedX(), 4);
    EXPECT_EQ(game->SelectedY(), 4);
    EXPECT_EQ(game->At(4, 4)->mood, Scared);
    EXPECT_EQ(SoundsPlayed(), std::vector<std::string>{"Pop"});

    ClickCell(*game, 3, 5);
    EXPECT_TRUE(game->Swapping());
    EXPECT_FALSE(game->HasSelection());
    EXPECT_TRUE(SoundsPlayed().empty()) << "a swap starts silently";

    // 80 pixels per second: the pieces meet after 40 pixels, about 513 ms.
    uint32_t took = RunUntilSlideEnds(*game);
    EXPECT_GE(took, 510u);
    EXPECT_LE(took, 530u);
    EXPECT_FALSE(game->SwappingBack());
    EXPECT_EQ(game->LevelScore(), 25);
    EXPECT_EQ(game->At(4, 4), movingUp);
    for (int32_t x = 0; x < 4; ++x) {
        EXPECT_NE(game->At(x, 5), movingDown);
        EXPECT_TRUE(game->At(x, 5)->growing) << "x " << x;
    }
    std::vector<std::string> sounds = SoundsPlayed();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "Score"), sounds.end());
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "Zoh"), sounds.end());
    EXPECT_EQ(game->NextCheckTime(), clock_.Now() + 2000);
}

TEST_F(NormalGameTest, FarClickMovesTheSelectionAndHoldingPopsOnce) {
    auto game = StartQuietGame();
    ClickCell(*game, 2, 2);
    ASSERT_EQ(SoundsPlayed(), std::vector<std::string>{"Pop"});

    ClickCell(*game, 4, 2);  // two columns away: no neighbour
    EXPECT_FALSE(game->Swapping());
    EXPECT_EQ(game->SelectedX(), 4);
    EXPECT_EQ(game->SelectedY(), 2);
    EXPECT_EQ(game->At(4, 2)->mood, Scared);
    EXPECT_EQ(game->At(2, 2)->mood, Standard);
    EXPECT_EQ(SoundsPlayed(), std::vector<std::string>{"Pop"});

    mouseDown_ = true;  // held on the selected piece
    RunFor(*game, 300);
    EXPECT_TRUE(SoundsPlayed().empty());
    EXPECT_EQ(game->SelectedX(), 4);

    mouseX_ = CellCentre(5);  // dragged onto a neighbour: the swap starts
    Tick(*game);
    EXPECT_TRUE(game->Swapping());
}

TEST_F(NormalGameTest, SwapWithoutLineGoesThereAndBack) {
    auto game = StartQuietGame();
    auto before = Pieces(*game);
    ClickCell(*game, 0, 0);
    ClickCell(*game, 1, 0);
    ASSERT_TRUE(game->Swapping());

    // Halfway both pieces stand on the border of the two cells, so the left
    // half of cell (0, 0) shows the background.
    RunFor(*game, 240);
    EXPECT_EQ(display_.PixelAt(30, 40), kBackground);
    EXPECT_NE(display_.PixelAt(50, 40), kBackground);

    uint32_t there = RunUntilSlideEnds(*game);
    EXPECT_TRUE(game->SwappingBack());
    EXPECT_EQ(game->At(0, 0), before[1]);
    EXPECT_EQ(game->At(1, 0), before[0]);

    uint32_t back = RunUntilSlideEnds(*game);
    EXPECT_GE(there + 250, 510u);
    EXPECT_GE(back, 510u);
    EXPECT_LE(back, 530u);
    EXPECT_FALSE(game->SwappingBack());
    EXPECT_EQ(Pieces(*game), before);
    EXPECT_EQ(game->LevelScore(), 0);
}

TEST_F(NormalGameTest, CascadesWaitForTheNextCheckAndBlockClicks) {
    auto game = StartQuietGame();
    PaintDiagonalMove(*game);
    ClickCell(*game, 4, 4);
    ClickCell(*game, 3, 5);
    RunUntilSlideEnds(*game);
    ASSERT_EQ(game->LevelScore(), 25);
    uint32_t check = game->NextCheckTime();

    // A line the refill happens to form stands until the next check.
    for (int32_t x = 0; x < 4; ++x) Paint(*game, x, 0, White);
    ClickCell(*game, 6, 6);
    EXPECT_FALSE(game->HasSelection()) << "clicks are ignored while a line stands";
    while (!TickAfter(clock_.Now() + kTick, check)) Tick(*game);
    EXPECT_EQ(game->LevelScore(), 25);
    Tick(*game);
    EXPECT_GE(game->LevelScore(), 50);
    for (int32_t x = 0; x < 4; ++x) EXPECT_NE(ColourAt(*game, x, 0), White);
    EXPECT_EQ(game->NextCheckTime(), clock_.Now() + 2000);

    ClickCell(*game, 6, 6);
    EXPECT_TRUE(game->HasSelection());
}

TEST_F(NormalGameTest, HintCostsOnlyAboveOneHundred) {
    auto game = StartQuietGame();
    PaintDiagonalMove(*game);
    game->SetLevelScore(100);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 100);
    ASSERT_TRUE(game->Hint());
    // The first move the search lists.
    MoveList moves = game->FindSwapMoves();
    ASSERT_FALSE(moves.Empty());
    EXPECT_EQ(*game->Hint(), moves[0]);
    EXPECT_EQ(game->At(moves[0].x1, moves[0].y1)->mood, Scared);
    EXPECT_EQ(game->At(moves[0].x2, moves[0].y2)->mood, Scared);

    // The hint pieces stay Scared while the pointer passes elsewhere.
    mouseX_ = CellCentre(8);
    mouseY_ = CellCentre(1);
    Tick(*game);
    EXPECT_EQ(game->At(moves[0].x1, moves[0].y1)->mood, Scared);

    game->SetLevelScore(101);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 1);

    ClickCell(*game, 8, 1);
    EXPECT_FALSE(game->Hint()) << "a selection ends the hint";
    EXPECT_EQ(game->At(moves[0].x1, moves[0].y1)->mood, Standard);

    FillQuiet(*game);  // no move left at all: the hint still costs
    game->SetLevelScore(150);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 50);
    EXPECT_FALSE(game->Hint());
}

TEST_F(NormalGameTest, FirstTwoGamesAreHelpGamesOnEasyWithTheDemonstrationRow) {
    for (int game = 1; game <= 3; ++game) {
        clock_.Advance(977);  // a different deal each time
        auto normal = StartGame(Hard);
        bool help = game <= 2;
        EXPECT_EQ(normal->StartHelpShown(), help) << "game " << game;
        EXPECT_EQ(normal->DifficultyLevel(), help ? Easy : Hard) << "game " << game;
        EXPECT_EQ(dir_.ReadFile("Data/Help.dat"), std::to_string(game + 1));
        EXPECT_TRUE(normal->FindLines(4).Empty()) << "game " << game;
        if (!help)
            continue;
        const int32_t row[] = {White, White, White, Red, White};
        int whites = 0;
        for (int32_t i = 0; i < Board::kCellCount; ++i) {
            whites += normal->Colours()[i] == White;
        }
        EXPECT_EQ(whites, 4) << "Easy deals no White but the row's";
        for (int32_t x = 3; x <= 7; ++x) {
            EXPECT_EQ(ColourAt(*normal, x, 4), row[x - 3]) << "x " << x;
            EXPECT_FALSE(normal->At(x, 4)->growing);
            EXPECT_EQ(normal->At(x, 4)->mood, Standard);
        }
        Tick(*normal);
        EXPECT_EQ(display_.PixelAt(220 + 80, 45 + 80), kStartHelp);
        ClickCell(*normal, 0, 0);
        EXPECT_TRUE(normal->StartHelpShown()) << "a selection keeps the help";
        ClickCell(*normal, 1, 0);
        EXPECT_FALSE(normal->StartHelpShown()) << "the first swap ends it";
    }
}

TEST_F(NormalGameTest, NoMovesLeftShowsForTwoAndAHalfSecondsThenANewBoard) {
    auto game = StartQuietGame();
    Tick(*game);
    FillQuiet(*game);  // the last move is gone
    game->SetLevelScore(300);
    uint32_t start = clock_.Now();
    while (!game->NoMovesShown() && clock_.Now() - start < 5000) Tick(*game);
    EXPECT_LE(clock_.Now() - start, 2010u);
    RunFor(*game, 2500);  // shown up to and including its end tick
    EXPECT_TRUE(game->NoMovesShown());
    EXPECT_EQ(display_.PixelAt(110 + 100, 195 + 25), kNoMoves);
    SoundsPlayed();
    Tick(*game);
    EXPECT_FALSE(game->NoMovesShown());
    EXPECT_EQ(game->LevelScore(), 300);
    for (int32_t i = 0; i < Board::kCellCount; ++i) {
        const Piece* piece = Pieces(*game)[i];
        ASSERT_NE(piece, nullptr);
        EXPECT_TRUE(piece->growing) << "a new board grows in";
    }
    EXPECT_EQ(SoundsPlayed(), std::vector<std::string>{"Zoh"});
    Tick(*game);
    EXPECT_NE(display_.PixelAt(110 + 100, 195 + 25), kNoMoves);
}

TEST_F(NormalGameTest, SwapStartedDuringTheNoticeGoesOnOverTheNewBoard) {
    auto game = StartQuietGame();
    FillQuiet(*game);
    Tick(*game);
    ASSERT_TRUE(game->NoMovesShown());
    uint32_t noticeStart = clock_.Now();

    RunFor(*game, 2000);
    ClickCell(*game, 0, 0);  // the board still takes clicks
    ClickCell(*game, 1, 0);
    ASSERT_TRUE(game->Swapping());
    while (game->NoMovesShown()) Tick(*game);
    EXPECT_EQ(clock_.Now() - noticeStart, 2510u);
    EXPECT_TRUE(game->Swapping()) << "the new board does not stop the swap";
    const Piece* newA = game->At(0, 0);
    const Piece* newB = game->At(1, 0);

    while (game->Swapping() && !game->SwappingBack()) Tick(*game);
    // The new board's two pieces changed places (and go back, or made a line).
    EXPECT_TRUE(game->LevelScore() > 0 || (game->At(0, 0) == newB && game->At(1, 0) == newA));
    RunUntilSlideEnds(*game);
    EXPECT_FALSE(game->Swapping());
    for (const Piece* cell : Pieces(*game)) EXPECT_NE(cell, nullptr);
}

}  // namespace
