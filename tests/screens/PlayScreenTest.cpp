#include <algorithm>

#include "modes/NormalGame.h"
#include "modes/RotationalGame.h"
#include "modes/SavedGame.h"
#include "screens/PlayScreen.h"
#include "screens/ScreenFixture.h"

namespace {
constexpr uint32_t kBackground = 0x204050;
constexpr uint32_t kBarEmpty = 0x101070;
constexpr uint32_t kBarFull = 0x70E070;

// A board without lines (rows step by one colour, columns by two) but with
// one move in each variant: Blue (3, 1) completes Blue (0..2, 0) when it is
// swapped or turned up into (3, 0).
SavedGame SavedBoard(GameVariant variant, Difficulty difficulty, int32_t level, int32_t total) {
    SavedGame game;
    game.variant = variant;
    game.difficulty = difficulty;
    game.level = level;
    game.totalScore = total;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            game.colours[x + 10 * y] = static_cast<PieceColour>(1 + (x + 2 * y) % 6);
    game.colours[1] = game.colours[2] = game.colours[13] = Blue;
    return game;
}

class PlayScreenTest : public ScreenFixture {
  protected:
    PlayScreenTest() {
        WritePlayAssets(dir, kBackground);
        WritePicture(dir, "Graphics\\Gui\\Level Bar.bmp", 25, 400, kBarEmpty);
        WritePicture(dir, "Graphics\\Gui\\Level Bar Filled.bmp", 25, 400, kBarFull);
    }
    ~PlayScreenTest() override { screen.Leave(); }

    void Enter() {
        screen.Enter(display, sound, clock.Now());
        screen.Draw(display);
        sound.TakeStarted();
    }
    ScreenCode Tick() { return ScreenFixture::Tick(screen); }
    // Presses a panel button for one tick and lets 250 ms pass with the
    // mouse button up: the next tick is the one the screen acts on.
    void PressAndWait(const ButtonLayout& button) {
        ScreenFixture::Tick(screen, button.x + button.width / 2, button.y + button.height / 2,
                            true);
        for (int elapsed = 10; elapsed <= 250; elapsed += 10) Tick();
    }
    void ReachLevel(int32_t level) {
        while (screen.Level() < level) {
            screen.Mode()->SetLevelScore(screen.Level() * PlayScreen::kPointsPerLevel);
            Tick();
        }
    }
    // Height of the filled part of the level bar, read from the back buffer.
    int BarFill() const {
        int fill = 0;
        for (int y = 419; y >= 20 && display.PixelAt(430, y) == kBarFull; --y) ++fill;
        return fill;
    }

    PlayScreen screen;
};

TEST(PlayScreenLevelBar, FillsFromTheTargetAndStaysInsideTheBar) {
    EXPECT_EQ(PlayScreen::LevelBarFill(0, 1), 0);
    EXPECT_EQ(PlayScreen::LevelBarFill(999, 1), 399) << "truncated, not rounded";
    EXPECT_EQ(PlayScreen::LevelBarFill(1000, 1), 400);
    EXPECT_EQ(PlayScreen::LevelBarFill(2000, 3), 266);
    EXPECT_EQ(PlayScreen::LevelBarFill(50000, 2), 400);
    EXPECT_EQ(PlayScreen::LevelBarFill(-1500, 3), 0);
}

// A new game, or a resume whose file went bad after the menu checked it,
// is a Normal game at level 1 with no points and N-Type pushed.
TEST_F(PlayScreenTest, EnteringStartsANormalGameAtLevelOneWithNTypeSelected) {
    dir.WriteFile("Data/Resume.dat", std::string("\x01\0\0\0", 4));
    shared.variant = RotationalVariant;
    shared.resumeRequested = true;
    Enter();
    EXPECT_FALSE(shared.resumeRequested);
    EXPECT_EQ(shared.variant, NormalVariant);
    EXPECT_EQ(shared.finalScore, -1);
    EXPECT_NE(dynamic_cast<NormalGame*>(screen.Mode()), nullptr);
    EXPECT_EQ(screen.Level(), 1);
    EXPECT_EQ(screen.TotalScore(), 0);
    EXPECT_TRUE(screen.NormalTypeButton()->Pushed());
    EXPECT_FALSE(screen.RotationalTypeButton()->Pushed());
}

// 1000 points a level: the bar shows 999 as 399 pixels, and 1000 changes the
// level on the same tick with its sound, carrying points beyond the target.
TEST_F(PlayScreenTest, LevelBarAt999PointsAndTheLevelChangeAt1000CarryingTheRest) {
    Enter();
    screen.Mode()->SetLevelScore(999);
    Tick();
    EXPECT_EQ(BarFill(), 399);
    EXPECT_EQ(screen.Level(), 1);
    screen.Mode()->SetLevelScore(1000);
    Tick();
    EXPECT_EQ(screen.Level(), 2);
    EXPECT_EQ(screen.Mode()->LevelScore(), 0);
    EXPECT_EQ(screen.TotalScore(), 1000);
    EXPECT_EQ(sound.TakeStarted(), std::vector<std::string>{"Sounds\\Next Level 1.wav"});
    Tick();
    EXPECT_EQ(BarFill(), 0) << "the new level's bar starts empty";
    screen.Mode()->SetLevelScore(2700);
    Tick();
    EXPECT_EQ(screen.Level(), 3);
    EXPECT_EQ(screen.ScoreBase(), 3700);
}

// A resume splits the saved total into the levels' base and this level's
// points, plays the saved board in its variant (growing in over a second,
// from the centre) and keeps the file.
TEST_F(PlayScreenTest, ResumeSplitsTheSavedTotalAndRestoresTheBoard) {
    const SavedGame saved = SavedBoard(RotationalVariant, Hard, 3, 4000);
    ASSERT_TRUE(saved.Write());
    const std::string before = dir.ReadFile("Data/Resume.dat");
    shared.resumeRequested = true;
    Enter();
    EXPECT_EQ(shared.variant, RotationalVariant);
    EXPECT_EQ(shared.difficulty, Hard);
    EXPECT_NE(dynamic_cast<RotationalGame*>(screen.Mode()), nullptr);
    EXPECT_EQ(screen.Level(), 3);
    EXPECT_EQ(screen.ScoreBase(), 2000);
    EXPECT_EQ(screen.Mode()->LevelScore(), 2000);
    EXPECT_TRUE(screen.RotationalTypeButton()->Pushed());
    EXPECT_FALSE(screen.Mode()->StartHelpShown());

    for (int t = 0; t < 50; ++t) Tick();  // half grown: 20 of 40 pixels
    EXPECT_EQ(display.PixelAt(32, 32), TestPieceRgb(saved.colours[0]));
    EXPECT_EQ(display.PixelAt(28, 28), kBackground);
    for (int t = 0; t < 70; ++t) Tick();
    EXPECT_EQ(BarFill(), 266) << "2000 of 3000";
    EXPECT_EQ(display.PixelAt(25, 25), TestPieceRgb(saved.colours[0]));
    const auto colours = screen.Mode()->Colours();
    EXPECT_TRUE(std::equal(colours.begin(), colours.end(), saved.colours.begin()));
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), before);
}

// The other variant's button switches after its 250 ms, keeping level and
// points; the selected variant's button does nothing.
TEST_F(PlayScreenTest, RTypeSwitchesToARotationalBoardAndNTypeStays) {
    Enter();
    ReachLevel(2);
    const GameMode* normal = screen.Mode();
    PressAndWait(Buttons::kNormalType);
    Tick();
    EXPECT_EQ(screen.Mode(), normal);
    PressAndWait(Buttons::kRotationalType);
    EXPECT_EQ(shared.variant, NormalVariant) << "not before 250 ms have passed";
    Tick();
    EXPECT_EQ(shared.variant, RotationalVariant);
    EXPECT_NE(dynamic_cast<RotationalGame*>(screen.Mode()), nullptr);
    EXPECT_FALSE(screen.NormalTypeButton()->Pushed());
    EXPECT_EQ(screen.Level(), 2);
    EXPECT_EQ(screen.ScoreBase(), 1000);
}

TEST_F(PlayScreenTest, NewGameKeepsTheLevelAndDropsTheLevelsPoints) {
    Enter();
    ReachLevel(4);
    screen.Mode()->SetLevelScore(500);
    PressAndWait(Buttons::kNewGame);
    Tick();
    EXPECT_EQ(screen.Level(), 4);
    EXPECT_EQ(screen.Mode()->LevelScore(), 0);
    EXPECT_EQ(screen.TotalScore(), 6000);
}

// Leaving a running game saves it (once) and says so.
TEST_F(PlayScreenTest, LeavingARunningGameSavesItAndSaysSo) {
    shared.difficulty = Hard;
    Enter();
    ReachLevel(3);
    screen.Mode()->SetLevelScore(420);
    screen.Leave();
    std::optional<SavedGame> saved = SavedGame::Read();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->variant, NormalVariant);
    EXPECT_EQ(saved->difficulty, Hard);
    EXPECT_EQ(saved->level, 3);
    EXPECT_EQ(saved->totalScore, 3420);
    ASSERT_EQ(messages.All().size(), 1u);
    EXPECT_EQ(messages.All()[0].caption, "Your game has been automatically saved...");
    EXPECT_EQ(messages.All()[0].text,
              "You can continue this game at a later time by selecting the \"Resume Game\" "
              "option at the start menu.");
    screen.Leave();
    EXPECT_EQ(messages.All().size(), 1u) << "a second Leave saves nothing";
}
}  // namespace
