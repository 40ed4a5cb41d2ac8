#include "modes/ModeFixture.h"
#include "modes/NormalGame.h"
#include "modes/RotationalGame.h"
#include "modes/SavedGame.h"
#include "screens/GameFlowTest.h"

namespace {
TEST(PlayScreenLevelBar, FillsFromTheTargetAndStaysInsideTheBar) {
    EXPECT_EQ(PlayScreen::LevelBarFill(999, 1), 399) << "truncated, not rounded";
    EXPECT_EQ(PlayScreen::LevelBarFill(2000, 3), 266);
    EXPECT_EQ(PlayScreen::LevelBarFill(50000, 2), 400);
    EXPECT_EQ(PlayScreen::LevelBarFill(-1500, 3), 0);
}

using PlayScreenTest = GameFlowTest;

// A level takes 1000 points times its number, all carried into the base. The
// other variant and New Game keep level and base; the close saves and says so.
TEST_F(PlayScreenTest, LevelsCarryTheirPointsThroughVariantsNewGamesAndTheSave) {
    shared.difficulty = Hard;
    game.Start();
    game.ClickButton(Buttons::kPlayGame);
    ASSERT_NE(dynamic_cast<NormalGame*>(game.Mode()), nullptr);
    EXPECT_TRUE(Play().NormalTypeButton()->Pushed());
    SetLevelScore(999);
    EXPECT_EQ(Play().Level(), 1);
    SetLevelScore(1000);
    EXPECT_EQ(Play().Level(), 2);
    EXPECT_EQ(game.Mode()->LevelScore(), 0);
    SetLevelScore(2700);
    EXPECT_EQ(Play().Level(), 3);
    EXPECT_EQ(Play().TotalScore(), 3700);

    const GameMode* normal = game.Mode();
    game.ClickButton(Buttons::kNormalType);
    EXPECT_EQ(game.Mode(), normal);
    game.ClickButton(Buttons::kRotationalType);
    EXPECT_NE(dynamic_cast<RotationalGame*>(game.Mode()), nullptr);
    EXPECT_FALSE(Play().NormalTypeButton()->Pushed());
    EXPECT_EQ(Play().Level(), 3);
    EXPECT_EQ(Play().TotalScore(), 3700);
    SetLevelScore(500);
    game.ClickButton(Buttons::kNewGame);
    EXPECT_EQ(Play().Level(), 3);
    EXPECT_EQ(Play().TotalScore(), 3700) << "a new game drops this level's points";

    SetLevelScore(420);
    game.Close();
    const std::optional<SavedGame> saved = SavedGame::Read();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->variant, RotationalVariant);
    EXPECT_EQ(saved->difficulty, Hard);
    EXPECT_EQ(saved->level, 3);
    EXPECT_EQ(saved->totalScore, 4120);
    EXPECT_EQ(game.Shown(PlayScreen::kSavedCaption), 1);
}

// A resume carries exactly 1000 x (level - 1) and New Game drops the level's
// points, so play saves totals below what the completed levels scored; each
// run resumes the game the last one saved.
TEST_F(PlayScreenTest, EveryGamePlaySavesResumes) {
    game.Start();
    game.ClickButton(Buttons::kPlayGame);
    SetLevelScore(1000);
    SetLevelScore(2000);
    game.Close();
    for (int32_t total : {3000, 2000}) {
        HeadlessGame run;
        run.Start();
        run.ClickButton(Buttons::kResume);
        EXPECT_EQ(run.Shown("No saved game..."), 0);
        EXPECT_EQ(run.Current<PlayScreen>()->Level(), 3);
        EXPECT_EQ(run.Current<PlayScreen>()->TotalScore(), total);
        run.ClickButton(Buttons::kNewGame);
        run.Close();
    }
}

// Near the top no sum leaves 32 bits (the sanitizers watch), at any level,
// and the total shown and saved stays at the largest.
TEST_F(PlayScreenTest, TotalsAtTheTopStayThere) {
    const struct {
        int32_t level, total, savedLevel;
    } cases[] = {{1, 2'147'483'642, 2}, {INT32_MAX, INT32_MAX, INT32_MAX}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        SavedGame saved = SampleSavedGame();
        saved.level = c.level;
        saved.totalScore = c.total;
        for (int cell = 0; cell < 4; ++cell) saved.colours[cell] = Blue;  // a line, scored at once
        ASSERT_TRUE(saved.Write());
        HeadlessGame run;
        run.Start();
        run.ClickButton(Buttons::kResume);
        EXPECT_TRUE(run.PlayMoves(3));
        EXPECT_EQ(run.Current<PlayScreen>()->TotalScore(), INT32_MAX);
        run.Close();
        const std::optional<SavedGame> again = SavedGame::Read();
        ASSERT_TRUE(again);
        EXPECT_EQ(again->level, c.savedLevel);
        EXPECT_EQ(again->totalScore, INT32_MAX);
    }
}

// Moves and hints that end in a tick after which the next draws otherwise (the
// piece under the pointer, a cleared hint's pieces, the start help): the
// harness fails at a tick promised quiet that shows a change.
class QuietPromiseTest : public GameFlowTest {
  protected:
    void StartGame(GameVariant variant) {
        game.Start();
        game.ClickButton(Buttons::kPlayGame);
        if (variant == RotationalVariant)
            game.ClickButton(Buttons::kRotationalType);
        Settle();
    }
    // Until the board rests and its pieces have grown, and some quiet after.
    void Settle() {
        for (int tick = 0; tick < 1000 && !game.AtRest(); ++tick) game.Tick();
        for (int tick = 0; tick < 150; ++tick) game.Tick();
    }
    // The first swap of two neighbours, or turn of a block, that makes no line.
    Move NoLineMove() {
        GameMode& mode = *game.Mode();
        const bool turn = mode.Variant() == RotationalVariant;
        for (int32_t index = 0;; ++index) {
            const Move move{index % 9, index / 9, index % 9 + 1, index / 9 + turn};
            turn ? mode.RotateBlock(move.x1, move.y1, move.x2, move.y2, true)
                 : mode.SwapCells(move.x1, move.y1, move.x2, move.y2);
            const bool line = !mode.FindLines(4).Empty();
            turn ? mode.RotateBlock(move.x1, move.y1, move.x2, move.y2, false)
                 : mode.SwapCells(move.x1, move.y1, move.x2, move.y2);
            if (!line)
                return move;
        }
    }
    static int CellMiddle(int32_t cell) {
        return PlayScreen::kBoardOrigin + GameMode::kCellPitch * cell + GameMode::kCellPitch / 2;
    }
};

TEST_F(QuietPromiseTest, ATurnBackShowsThePointersPieceAndClearsTheHintsLook) {
    StartGame(RotationalVariant);
    const Move move = NoLineMove();
    {
        SCOPED_TRACE("the pointer moved onto another piece during the turn");
        game.MakeMove(move);
        game.MovePointer(CellMiddle((move.x1 + 5) % 10), CellMiddle(move.y1));
        Settle();
    }
    SCOPED_TRACE("the hint's pieces, with the hint cleared by the turn");
    game.ClickButton(Buttons::kHint);
    game.MakeMove(move);
    Settle();
    EXPECT_GT(game.QuietTicks(), 0);
}

TEST_F(QuietPromiseTest, ASwapBackShowsThePointersPiece) {
    StartGame(NormalVariant);
    game.MakeMove(NoLineMove());
    Settle();
}

TEST_F(QuietPromiseTest, ASecondHintKeepsTheStartHelp) {
    dir.WriteFile("Data/Help.dat", "0");
    StartGame(NormalVariant);
    ASSERT_TRUE(game.Mode()->StartHelpShown());
    for (int hint = 0; hint < 2; ++hint) {
        game.ClickButton(Buttons::kHint);
        Settle();
    }
}
}  // namespace
