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
}  // namespace
