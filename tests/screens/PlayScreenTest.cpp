#include <gtest/gtest.h>

#include <algorithm>

#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "modes/NormalGame.h"
#include "modes/RotationalGame.h"
#include "modes/SavedGame.h"
#include "platform/ManualClock.h"
#include "platform/MessageBox.h"
#include "screens/Button.h"
#include "screens/PlayScreen.h"
#include "screens/TestAssets.h"
#include "support/TempWorkDir.h"

namespace {
constexpr uint32_t kBackground = 0x204050;
constexpr uint32_t kBarEmpty = 0x101070;
constexpr uint32_t kBarFull = 0x70E070;
constexpr const char* kNextLevelSound = "Sounds\\Next Level 1.wav";

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

class PlayScreenTest : public ::testing::Test {
  protected:
    PlayScreenTest() {
        shared = SharedState{};
        display.Create(nullptr);
        display.SetWindowed(625, 440);
        sound.Create(nullptr);
        WritePlayAssets(dir, kBackground);
        WritePicture(dir, "Graphics\\Gui\\Level Bar.bmp", 25, 400, kBarEmpty);
        WritePicture(dir, "Graphics\\Gui\\Level Bar Filled.bmp", 25, 400, kBarFull);
    }
    ~PlayScreenTest() override {
        screen.Leave();
        shared = SharedState{};
    }

    void Enter() {
        screen.Enter(display, sound, clock.Now());
        screen.Draw(display);
        sound.TakeStarted();
    }
    ScreenCode Tick(int x = 0, int y = 0, bool leftDown = false) {
        clock.Advance(10);
        return screen.Update(display, sound, clock.Now(), x, y, leftDown, false);
    }
    // Presses a panel button for one tick and lets 250 ms pass with the
    // mouse button up: the next tick is the one the screen acts on.
    void PressAndWait(const ButtonLayout& button) {
        Tick(button.x + button.width / 2, button.y + button.height / 2, true);
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
    size_t Started(const std::string& name) {
        auto started = sound.TakeStarted();
        return static_cast<size_t>(std::count(started.begin(), started.end(), name));
    }

    TempWorkDir dir;
    ManualClock clock;
    MessageBoxRecorder messages;
    Display display;
    SoundSystem sound;
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

TEST_F(PlayScreenTest, EnteringStartsANormalGameAtLevelOneWithNTypeSelected) {
    // Also when the resumed file went bad after the menu checked it.
    dir.WriteFile("Data/Resume.dat", std::string("\x01\0\0\0", 4));
    for (bool resume : {true, false}) {
        SCOPED_TRACE(resume ? "resume" : "new");
        shared.variant = RotationalVariant;
        shared.finalScore = 0;
        shared.resumeRequested = resume;
        Enter();
        EXPECT_FALSE(shared.resumeRequested);
        EXPECT_EQ(shared.variant, NormalVariant);
        EXPECT_EQ(shared.finalScore, -1);
        EXPECT_NE(dynamic_cast<NormalGame*>(screen.Mode()), nullptr);
        EXPECT_EQ(screen.Level(), 1);
        EXPECT_EQ(screen.TotalScore(), 0);
        EXPECT_TRUE(screen.NormalTypeButton()->Pushed());
        EXPECT_FALSE(screen.RotationalTypeButton()->Pushed());
        EXPECT_EQ(display.PixelAt(430, 419), kBarEmpty);
        screen.Leave();
    }
}

TEST_F(PlayScreenTest, LevelBarAt999PointsAndTheLevelChangeAt1000CarryingTheRest) {
    Enter();
    screen.Mode()->SetLevelScore(999);
    Tick();
    EXPECT_EQ(BarFill(), 399);
    EXPECT_EQ(screen.Level(), 1);

    screen.Mode()->SetLevelScore(1000);
    Tick();
    EXPECT_EQ(screen.Level(), 2) << "on the same tick";
    EXPECT_EQ(screen.ScoreBase(), 1000);
    EXPECT_EQ(screen.Mode()->LevelScore(), 0);
    EXPECT_EQ(screen.TotalScore(), 1000);
    EXPECT_EQ(Started(kNextLevelSound), 1u);
    Tick();
    EXPECT_EQ(BarFill(), 0) << "the new level's bar starts empty";
    EXPECT_EQ(Started(kNextLevelSound), 0u);

    screen.Mode()->SetLevelScore(2700);  // points beyond the target are carried
    Tick();
    EXPECT_EQ(screen.Level(), 3);
    EXPECT_EQ(screen.ScoreBase(), 3700);
}

TEST_F(PlayScreenTest, ResumeSplitsTheSavedTotalAndRestoresTheBoard) {
    const SavedGame saved = SavedBoard(RotationalVariant, Hard, 3, 4000);
    ASSERT_TRUE(saved.Write());
    const std::string before = dir.ReadFile("Data/Resume.dat");
    shared.resumeRequested = true;
    Enter();
    EXPECT_FALSE(shared.resumeRequested);
    EXPECT_EQ(shared.variant, RotationalVariant);
    EXPECT_EQ(shared.difficulty, Hard);
    EXPECT_NE(dynamic_cast<RotationalGame*>(screen.Mode()), nullptr);
    EXPECT_EQ(screen.Level(), 3);
    EXPECT_EQ(screen.ScoreBase(), 2000);
    EXPECT_EQ(screen.Mode()->LevelScore(), 2000);
    EXPECT_EQ(screen.TotalScore(), 4000);
    EXPECT_TRUE(screen.RotationalTypeButton()->Pushed());
    EXPECT_FALSE(screen.NormalTypeButton()->Pushed());
    ASSERT_TRUE(screen.Mode()->FindLines(4).Empty());
    ASSERT_FALSE(screen.Mode()->FindRotationMoves().Empty());

    for (int t = 0; t < 120; ++t) Tick();  // the pieces grow in over a second
    EXPECT_EQ(BarFill(), 266) << "2000 of 3000";
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(display.PixelAt(40 + 40 * x, 40 + 40 * y),
                      TestPieceRgb(saved.colours[x + 10 * y]))
                << "cell " << x << "," << y;
        }
    }
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), before) << "resuming keeps the file";
}

TEST_F(PlayScreenTest, RTypeSwitchesToARotationalBoardAfter250Ms) {
    Enter();
    ReachLevel(2);
    PressAndWait(Buttons::kRotationalType);
    EXPECT_EQ(shared.variant, NormalVariant) << "not before 250 ms have passed";
    EXPECT_TRUE(screen.RotationalTypeButton()->Pushed());
    Tick();
    EXPECT_EQ(shared.variant, RotationalVariant);
    EXPECT_NE(dynamic_cast<RotationalGame*>(screen.Mode()), nullptr);
    EXPECT_TRUE(screen.RotationalTypeButton()->Pushed());
    EXPECT_FALSE(screen.NormalTypeButton()->Pushed());
    EXPECT_EQ(screen.Level(), 2);
    EXPECT_EQ(screen.ScoreBase(), 1000);
}

TEST_F(PlayScreenTest, PressingTheSelectedVariantDoesNothing) {
    Enter();
    for (int t = 0; t < 60; ++t) Tick();
    screen.Mode()->SetLevelScore(300);
    const GameMode* before = screen.Mode();
    sound.TakeStarted();
    PressAndWait(Buttons::kNormalType);
    Tick();
    EXPECT_EQ(Started("Sounds\\Click.wav"), 0u);
    EXPECT_EQ(screen.Mode(), before);
    EXPECT_EQ(screen.Mode()->LevelScore(), 300);
}

TEST_F(PlayScreenTest, NewGameKeepsTheLevelAndDropsTheLevelsPoints) {
    Enter();
    ReachLevel(4);
    EXPECT_EQ(screen.ScoreBase(), 6000);
    screen.Mode()->SetLevelScore(500);
    PressAndWait(Buttons::kNewGame);
    EXPECT_EQ(screen.Mode()->LevelScore(), 500);
    Tick();
    EXPECT_EQ(screen.Level(), 4);
    EXPECT_EQ(screen.Mode()->LevelScore(), 0);
    EXPECT_EQ(screen.TotalScore(), 6000);
    EXPECT_FALSE(screen.NewGameButton()->Pushed());
    EXPECT_NE(dynamic_cast<NormalGame*>(screen.Mode()), nullptr);
}

TEST_F(PlayScreenTest, EndHandsOverTheScoreAndLeavesOnlyTheEndMarker) {
    ASSERT_TRUE(SavedBoard(NormalVariant, Easy, 1, 10).Write());
    shared.difficulty = Hard;
    Enter();
    ReachLevel(2);
    screen.Mode()->SetLevelScore(250);
    shared.difficulty = Easy;  // as if changed elsewhere: the mode's counts
    PressAndWait(Buttons::kEnd);
    EXPECT_EQ(shared.finalScore, -1);
    EXPECT_EQ(Tick(), ToScores);
    EXPECT_EQ(shared.finalScore, 1250);
    EXPECT_EQ(shared.difficulty, Hard);
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), std::string("\x63\0\0\0", 4));
    screen.Leave();
    EXPECT_TRUE(messages.All().empty()) << "an ended game is not saved";
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat").size(), 4u);
}

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
    EXPECT_EQ(screen.Mode(), nullptr);

    Enter();
    std::filesystem::remove_all(dir.Path() / "Data");
    screen.Leave();
    ASSERT_EQ(messages.All().size(), 2u);
    EXPECT_EQ(messages.All()[1].caption, PlayScreen::kNotSavedCaption) << "not reported as saved";
}
}  // namespace
