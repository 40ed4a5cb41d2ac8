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

// A level takes 1000 points times its number; reaching it moves on at once,
// carrying every point into the base. The other variant's button and New
// Game keep the level and that base; the selected variant's button does
// nothing. Closing the window saves the running game and says so.
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

// Near the top of the range every sum stays inside 32 bits (the sanitizers
// stop the test otherwise), at any level, and the total shown and saved stays
// at the largest instead of wrapping.
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
}  // namespace
