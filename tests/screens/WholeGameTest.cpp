// The real three screens driven through the application's own tick and main
// window handlers, headless: what a player does from the menu to closing.
#include <gtest/gtest.h>

#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "app/SharedState.h"
#include "modes/SavedGame.h"
#include "platform/ManualClock.h"
#include "platform/MessageBox.h"
#include "screens/PlayScreen.h"
#include "screens/ScoreScreen.h"
#include "screens/StartScreen.h"
#include "screens/TestAssets.h"
#include "support/TempWorkDir.h"

namespace {
constexpr const char* kSavedCaption = "Your game has been automatically saved...";

MainFrame::Setup HeadlessGame() {
    MainFrame::Setup setup = MainFrame::Setup::Game();
    setup.openWindow = nullptr;
    return setup;
}

class WholeGameTest : public ::testing::Test {
  protected:
    WholeGameTest() {
        WritePlayAssets(dir, 0x204050);
        app.InitInstance();
    }
    ~WholeGameTest() override { shared = SharedState{}; }

    MainFrame& Frame() { return *app.Frame(); }
    void Ticks(int milliseconds) {
        for (int elapsed = 0; elapsed < milliseconds; elapsed += 11) {
            clock.Advance(11);
            app.OnIdle(0);
        }
    }
    // Down for one tick, then up until the button has acted.
    void Click(int x, int y) {
        Frame().OnMouseMove(x, y);
        Frame().OnLeftButtonDown(x, y);
        Ticks(11);
        Frame().OnLeftButtonUp(x, y);
        Ticks(300);
    }
    template <typename T>
    T* Current() {
        return dynamic_cast<T*>(Frame().CurrentScreen());
    }

    TempWorkDir dir;
    ManualClock clock;
    MessageBoxRecorder messages;
    GameApp app{HeadlessGame()};
};

TEST_F(WholeGameTest, ClosingDuringAGameSavesItBeforeAnythingIsFreed) {
    ASSERT_NE(Current<StartScreen>(), nullptr);
    Click(400, 120);  // Play Game
    ASSERT_NE(Current<PlayScreen>(), nullptr);
    Ticks(500);
    // End pressed, and the window closed before the button acts.
    Frame().OnLeftButtonDown(535, 400);
    Ticks(11);
    Frame().OnLeftButtonUp(535, 400);
    Ticks(100);
    Frame().OnClose();
    EXPECT_TRUE(Frame().QuitPosted());
    EXPECT_EQ(Frame().CurrentScreen(), nullptr);
    std::optional<SavedGame> saved = SavedGame::Read();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->level, 1);
    ASSERT_EQ(messages.All().size(), 1u);
    EXPECT_EQ(messages.All()[0].caption, kSavedCaption);
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_EQ(messages.All().size(), 1u) << "the screens' own Leave saves nothing more";
}

TEST_F(WholeGameTest, EndThenCloseFromTheScoresKeepsOnlyTheEndMarker) {
    Click(400, 120);
    Ticks(500);
    Click(535, 400);  // End
    ASSERT_NE(Current<ScoreScreen>(), nullptr);
    Frame().OnClose();
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), std::string("\x63\0\0\0", 4));
    for (const auto& shown : messages.All()) EXPECT_NE(shown.caption, kSavedCaption);
}
}  // namespace
