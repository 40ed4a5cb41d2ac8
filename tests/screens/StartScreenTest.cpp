#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "platform/WebPage.h"
#include "screens/ScreenFixture.h"
#include "screens/StartScreen.h"

namespace {
constexpr uint32_t kEasy = 0x20C020;
constexpr uint32_t kNormal = 0x2020C0;
constexpr uint32_t kHard = 0xC02020;

class StartScreenTest : public ScreenFixture {
  protected:
    StartScreenTest() {
        WritePicture(dir, "Graphics\\Gui\\Background Startup.bmp", 625, 440, 0x503060);
        WritePicture(dir, "Graphics\\Gui\\Easy.bmp", 150, 150, kEasy);
        WritePicture(dir, "Graphics\\Gui\\Normal.bmp", 150, 150, kNormal);
        WritePicture(dir, "Graphics\\Gui\\Hard.bmp", 150, 150, kHard);
        WriteSound(dir, "Sounds\\Click.wav");
        std::filesystem::create_directory(dir.Path() / "Data");
        screen.Enter(display, sound, clock.Now());
        screen.Draw(display);
    }

    ScreenCode Tick(int x, int y, bool leftDown) {
        return ScreenFixture::Tick(screen, x, y, leftDown);
    }
    ScreenCode Click(const ButtonLayout& button) { return ClickButton(screen, button); }
    // A fresh screen, as after a round trip through another screen.
    void ReEnter() {
        screen.Leave();
        screen.Enter(display, sound, clock.Now());
        clock.Advance(10);
    }

    WebPageRecorder pages;
    StartScreen screen;
};

// Help opens the hints page and stays, and held down opens it again once
// 500 ms have passed. A score left over from a game is dropped on entry.
TEST_F(StartScreenTest, HelpOpensTheHintsPageAndEnterDropsAPendingScore) {
    EXPECT_EQ(Click(Buttons::kHelp), Stay);
    ASSERT_EQ(pages.Opened().size(), 1u);
    EXPECT_EQ(pages.Opened()[0], FileUrl(StartScreen::kHintsPage));
    for (int ticks = 0; pages.Opened().size() < 2 && ticks < 100; ++ticks) Tick(400, 270, true);
    EXPECT_EQ(pages.Opened().size(), 2u);
    shared.finalScore = 1234;
    ReEnter();
    EXPECT_EQ(shared.finalScore, 0);
}

// Resume plays a saved game in its variant and leaves the file; without a
// playable one it says so and starts a Normal game.
TEST_F(StartScreenTest, ResumeTakesOnlyAPlayableSavedGame) {
    const std::string saved = SampleSavedGame().Encode();  // a Rotational one
    const struct {
        const char* name;
        std::string bytes;
        bool resumes;
    } cases[] = {{"saved", saved, true},
                 {"missing", "", false},
                 {"end marker", std::string("\x63\0\0\0", 4), false},
                 {"short", saved.substr(0, 100), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bytes.empty())
            std::filesystem::remove(dir.Path() / "Data" / "Resume.dat");
        else
            dir.WriteFile("Data/Resume.dat", c.bytes);
        shared.variant = NormalVariant;
        shared.resumeRequested = !c.resumes;
        const size_t before = messages.All().size();
        EXPECT_EQ(Click(Buttons::kResume), ToPlay);
        EXPECT_EQ(shared.resumeRequested, c.resumes);
        EXPECT_EQ(shared.variant, c.resumes ? RotationalVariant : NormalVariant);
        ASSERT_EQ(messages.All().size(), before + (c.resumes ? 0 : 1));
        if (!c.resumes) {
            EXPECT_EQ(messages.All().back().caption, "No saved game...");
            EXPECT_EQ(messages.All().back().text,
                      "There is no game to resume.  A new game will be started for you.");
        }
        ReEnter();
    }
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), saved.substr(0, 100)) << "files are left alone";
}

// The picture steps Easy, Normal, Hard only for a press inside its edges,
// and held down steps once every 500 ms, blocking for them.
TEST_F(StartScreenTest, PictureCyclesTheDifficultyOnlyInsideItsEdgesWhileHeld) {
    const int points[][2] = {{120, 185}, {270, 185}, {195, 110}, {195, 260}};
    for (const auto& point : points) {
        Tick(point[0], point[1], true);
        EXPECT_EQ(shared.difficulty, NormalDifficulty) << point[0] << "," << point[1];
    }
    Tick(195, 185, false);
    Tick(121, 111, true);
    EXPECT_EQ(shared.difficulty, Hard);
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

// An idle menu costs next to nothing: it presents no frame until a press
// changes what it shows.
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
