#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "modes/SavedGame.h"
#include "platform/ManualClock.h"
#include "platform/MessageBox.h"
#include "platform/WebPage.h"
#include "screens/Button.h"
#include "screens/StartScreen.h"
#include "screens/TestAssets.h"
#include "support/TempWorkDir.h"

namespace {
constexpr uint32_t kBackground = 0x503060;
constexpr uint32_t kEasy = 0x20C020;
constexpr uint32_t kNormal = 0x2020C0;
constexpr uint32_t kHard = 0xC02020;
constexpr const char* kNoGameCaption = "No saved game...";
constexpr const char* kNoGameText =
    "There is no game to resume.  A new game will be started for you.";

class StartScreenTest : public ::testing::Test {
  protected:
    StartScreenTest() {
        shared = SharedState{};
        display.Create(nullptr);
        display.SetWindowed(625, 440);
        sound.Create(nullptr);
        WritePicture(dir, "Graphics\\Gui\\Background Startup.bmp", 625, 440, kBackground);
        WritePicture(dir, "Graphics\\Gui\\Easy.bmp", 150, 150, kEasy);
        WritePicture(dir, "Graphics\\Gui\\Normal.bmp", 150, 150, kNormal);
        WritePicture(dir, "Graphics\\Gui\\Hard.bmp", 150, 150, kHard);
        WriteSound(dir, "Sounds\\Click.wav");
        std::filesystem::create_directory(dir.Path() / "Data");
        screen.Enter(display, sound, clock.Now());
        screen.Draw(display);
    }
    ~StartScreenTest() override { shared = SharedState{}; }

    ScreenCode Tick(int x, int y, bool leftDown) {
        clock.Advance(10);
        return screen.Update(display, sound, clock.Now(), x, y, leftDown, false);
    }
    // Presses a button for one tick, then waits with the button up until the
    // screen acts; returns what it asked for and how long that took.
    ScreenCode Click(const ButtonLayout& button, uint32_t* waited = nullptr) {
        const int x = button.x + button.width / 2;
        const int y = button.y + button.height / 2;
        ScreenCode code = Tick(x, y, true);
        const uint32_t pressed = clock.Now();
        for (int tick = 0; code == Stay && tick < 30; ++tick) code = Tick(x, y, false);
        if (waited)
            *waited = clock.Now() - pressed;
        return code;
    }
    void WriteSaved(GameVariant variant) {
        SavedGame game;
        game.variant = variant;
        game.difficulty = Hard;
        game.level = 2;
        game.totalScore = 1500;
        for (int i = 0; i < SavedGame::kCellCount; ++i)
            game.colours[i] = static_cast<PieceColour>(1 + i % 6);
        ASSERT_TRUE(game.Write());
    }

    TempWorkDir dir;
    ManualClock clock;
    MessageBoxRecorder messages;
    WebPageRecorder pages;
    Display display;
    SoundSystem sound;
    StartScreen screen;
};

TEST_F(StartScreenTest, EnterClearsAPendingScoreAndDrawShowsTheDifficulty) {
    screen.Leave();
    shared.finalScore = 1234;
    shared.difficulty = Easy;
    screen.Enter(display, sound, clock.Now());
    EXPECT_EQ(shared.finalScore, 0);
    screen.Draw(display);
    EXPECT_EQ(display.PixelAt(5, 5), kBackground);
    EXPECT_EQ(display.PixelAt(120, 110), kEasy);
    EXPECT_EQ(display.PixelAt(269, 259), kEasy);
    EXPECT_EQ(display.PixelAt(270, 260), kBackground);
}

TEST_F(StartScreenTest, PlayGameAndHighScoresLeaveAfterTheClickDelay) {
    uint32_t waited = 0;
    EXPECT_EQ(Click(Buttons::kPlayGame, &waited), ToPlay);
    EXPECT_GT(waited, 250u);
    EXPECT_LT(waited, 270u);
    EXPECT_FALSE(shared.resumeRequested);
    EXPECT_TRUE(messages.All().empty());
    screen.Leave();
    screen.Leave();  // may run twice
    EXPECT_EQ(screen.Update(display, sound, clock.Now(), 400, 120, true, false), Stay);
    screen.Enter(display, sound, clock.Now());
    clock.Advance(10);
    EXPECT_EQ(Click(Buttons::kHighScores), ToScores);
}

TEST_F(StartScreenTest, ResumeWithASavedGameRequestsItsVariant) {
    WriteSaved(RotationalVariant);
    EXPECT_EQ(Click(Buttons::kResume), ToPlay);
    EXPECT_TRUE(shared.resumeRequested);
    EXPECT_EQ(shared.variant, RotationalVariant);
    EXPECT_TRUE(messages.All().empty());
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat").size(), SavedGame::kFileSize) << "left unchanged";
}

TEST_F(StartScreenTest, ResumeWithoutAPlayableGameSaysSoAndStartsANormalGame) {
    WriteSaved(NormalVariant);
    const std::string saved = dir.ReadFile("Data/Resume.dat");
    const std::pair<const char*, std::string> cases[] = {
        {"missing", ""},
        {"end marker", std::string("\x63\0\0\0", 4)},
        {"short", saved.substr(0, 100)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        if (std::string(name) == "missing")
            std::filesystem::remove(dir.Path() / "Data" / "Resume.dat");
        else
            dir.WriteFile("Data/Resume.dat", bytes);
        shared.variant = RotationalVariant;
        shared.resumeRequested = true;
        const size_t before = messages.All().size();
        EXPECT_EQ(Click(Buttons::kResume), ToPlay);
        EXPECT_FALSE(shared.resumeRequested);
        EXPECT_EQ(shared.variant, NormalVariant);
        ASSERT_EQ(messages.All().size(), before + 1);
        EXPECT_EQ(messages.All().back().caption, kNoGameCaption);
        EXPECT_EQ(messages.All().back().text, kNoGameText);
        // A fresh screen, as after the round trip through the play screen.
        screen.Leave();
        screen.Enter(display, sound, clock.Now());
        clock.Advance(10);
    }
}

TEST_F(StartScreenTest, HelpOpensTheHintsPageAndTheScreenStays) {
    EXPECT_EQ(Click(Buttons::kHelp), Stay);
    ASSERT_EQ(pages.Opened().size(), 1u);
    EXPECT_EQ(pages.Opened()[0], FileUrl(StartScreen::kHintsPage));
    // Held down, the button presses again once 500 ms have passed.
    int ticks = 0;
    while (pages.Opened().size() < 2 && ticks < 100) {
        Tick(400, 270, true);
        ++ticks;
    }
    EXPECT_EQ(pages.Opened().size(), 2u);
}

TEST_F(StartScreenTest, PictureCyclesTheDifficultyOnlyInsideItsEdgesWhileHeld) {
    const int points[][2] = {{120, 185}, {270, 185}, {195, 110}, {195, 260}};
    for (const auto& point : points) {
        const uint32_t before = clock.Now();
        Tick(point[0], point[1], true);
        EXPECT_EQ(shared.difficulty, NormalDifficulty) << point[0] << "," << point[1];
        EXPECT_EQ(clock.Now() - before, 10u);
    }
    Tick(195, 185, false);
    EXPECT_EQ(shared.difficulty, NormalDifficulty);
    Tick(121, 111, true);
    EXPECT_EQ(shared.difficulty, Hard);

    // Held, the picture cycles once every 500 ms.
    const int expected[] = {Easy, NormalDifficulty, Hard};
    const uint32_t pictureColour[] = {kEasy, kNormal, kHard};
    for (int i = 0; i < 3; ++i) {
        const uint32_t before = clock.Now();
        Tick(195, 185, true);
        EXPECT_EQ(shared.difficulty, expected[i]);
        EXPECT_EQ(clock.Now() - before, 10u + 500u) << "the click blocks for 500 ms";
        EXPECT_EQ(display.PixelAt(195, 185), pictureColour[i]);
    }
}

TEST_F(StartScreenTest, AnIdleMenuPresentsNothingNewButAPressShows) {
    screen.Leave();
    WritePicture(dir, Buttons::kPlayGame.normalImage, 150, 40, 0x808080);
    WritePicture(dir, Buttons::kPlayGame.pushedImage, 150, 40, 0x404040);
    screen.Enter(display, sound, clock.Now());
    screen.Draw(display);
    display.Present();
    const int frames = display.PresentedFrames();
    for (int tick = 0; tick < 50; ++tick) {
        Tick(10, 10, false);
        display.Present();
    }
    EXPECT_EQ(display.PresentedFrames(), frames);
    Tick(400, 120, true);
    display.Present();
    EXPECT_EQ(display.PixelAt(400, 120), 0x404040u);
    EXPECT_EQ(display.PresentedFrames(), frames + 1);
}
}  // namespace
