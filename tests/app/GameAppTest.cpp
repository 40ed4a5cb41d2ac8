#include <gtest/gtest.h>

#include <utility>

#include "app/GameApp.h"
#include "app/MouseState.h"
#include "app/RecordingScreen.h"
#include "platform/DisplayLoss.h"
#include "platform/ManualClock.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "support/TempWorkDir.h"

namespace {
using Log = std::vector<std::string>;

// The whole application, headless, with three recording screens.
class GameAppTest : public ::testing::Test {
  protected:
    GameAppTest() : app_(std::make_unique<GameApp>(RecordingSetup())) {}

    MainFrame::Setup RecordingSetup() {
        MainFrame::Setup setup;
        setup.makeScreens = [this] {
            log_.push_back(std::string("screens made, display ") +
                           (app_->GetDisplay().HasBackBuffer() ? "ready" : "missing"));
            auto make = [this](const char* name, RecordingScreen*& kept) {
                auto screen = std::make_unique<RecordingScreen>(name, log_, app_->GetDisplay());
                kept = screen.get();
                return screen;
            };
            return ScreenSet{make("start", start_), make("play", play_), make("score", score_)};
        };
        return setup;
    }

    // The log since the last call.
    Log TakeLog() { return std::exchange(log_, {}); }

    TempWorkDir dir_;
    ManualClock clock_{5000};
    Log log_;
    RecordingScreen* start_ = nullptr;
    RecordingScreen* play_ = nullptr;
    RecordingScreen* score_ = nullptr;
    std::unique_ptr<GameApp> app_;
};

TEST_F(GameAppTest, StartUpMakesEverythingInOrderThenTicksEveryTenMilliseconds) {
    EXPECT_TRUE(app_->InitInstance());
    EXPECT_EQ(TakeLog(), (Log{"screens made, display ready", "start.Enter@0", "start.Draw@0"}));
    EXPECT_EQ(app_->GetDisplay().PresentedFrames(), 1);
    EXPECT_TRUE(app_->Frame()->AppActive());
    EXPECT_EQ(app_->Frame()->CurrentScreen(), start_);
    EXPECT_TRUE(dir_.Exists("Direct Draw 5 Log.txt"));

    // The first tick runs at once, then only after ten milliseconds.
    EXPECT_EQ(app_->MillisecondsToNextTick(), 0u);
    EXPECT_TRUE(app_->OnIdle(0));
    EXPECT_EQ(TakeLog(), Log{"start.Update@1"});

    EXPECT_EQ(app_->MillisecondsToNextTick(), 11u);
    app_->OnIdle(1);
    clock_.Advance(10);
    EXPECT_EQ(app_->MillisecondsToNextTick(), 1u);
    app_->OnIdle(2);
    EXPECT_TRUE(TakeLog().empty());  // the count must pass the tick time plus 10

    clock_.Advance(1);
    EXPECT_EQ(app_->MillisecondsToNextTick(), 0u);
    app_->OnIdle(3);
    EXPECT_EQ(TakeLog(), Log{"start.Update@2"});
}

TEST_F(GameAppTest, TicksGoOnAcrossTheWrapOfTheTickCount) {
    clock_.Set(0xFFFFFFF0);
    app_->InitInstance();
    app_->OnIdle(0);
    TakeLog();
    for (int tick = 0; tick < 5; ++tick) {  // 55 ms: across the wrap
        clock_.Advance(11);
        app_->OnIdle(0);
    }
    EXPECT_EQ(TakeLog().size(), 5u);
    EXPECT_LT(app_->MillisecondsToNextTick(), 12u);
}

TEST_F(GameAppTest, ASwitchUpdatesPresentsLeavesEntersAndDrawsInOneTick) {
    app_->InitInstance();
    start_->codes = {ToPlay};
    TakeLog();
    app_->Frame()->OnLeftButtonDown(50, 60);
    app_->OnIdle(0);
    EXPECT_EQ(TakeLog(), (Log{"start.Update@1", "start.Leave@2", "play.Enter@2", "play.Draw@2"}));
    EXPECT_EQ(app_->Frame()->CurrentScreen(), play_);
    // The switch tick's mouse belonged to the old screen.
    EXPECT_EQ(play_->lastMouse, (RecordingScreen::Mouse{-1, -1, false, false}));

    clock_.Advance(11);
    app_->OnIdle(0);  // the new screen's first frame is presented by the next tick
    EXPECT_EQ(TakeLog(), Log{"play.Update@2"});
    EXPECT_EQ(app_->GetDisplay().PresentedFrames(), 3);
}

TEST_F(GameAppTest, EachCodeLeadsToItsScreenAndOthersStay) {
    app_->InitInstance();
    start_->codes = {Stay, ToScores};
    score_->codes = {static_cast<ScreenCode>(7), ToStart};
    RecordingScreen* expected[] = {start_, score_, score_, start_};
    for (RecordingScreen* screen : expected) {
        app_->OnIdle(0);
        clock_.Advance(11);
        EXPECT_EQ(app_->Frame()->CurrentScreen(), screen);
    }
    start_->codes = {ToPlay};
    app_->OnIdle(0);
    EXPECT_EQ(app_->Frame()->CurrentScreen(), play_);
}

TEST_F(GameAppTest, EveryPressIsSeenByATickAndActivationClearsButtons) {
    app_->InitInstance();
    MainFrame& frame = *app_->Frame();
    using Mouse = RecordingScreen::Mouse;
    auto tick = [&] {
        clock_.Advance(11);
        app_->OnIdle(0);
        return start_->lastMouse;
    };

    frame.OnMouseMove(100, 200);
    EXPECT_EQ(tick(), (Mouse{100, 200, false, false}));
    // Quick clicks, press and release before any tick: the release waits one.
    frame.OnLeftButtonDown(101, 201);
    frame.OnLeftButtonUp(101, 201);
    frame.OnRightButtonDown(102, 202);
    frame.OnRightButtonUp(103, 203);
    EXPECT_EQ(tick(), (Mouse{103, 203, true, true}));
    EXPECT_EQ(tick(), (Mouse{103, 203, false, false}));
    // A press a tick has seen is released at once.
    frame.OnLeftButtonDown(104, 204);
    EXPECT_EQ(tick(), (Mouse{104, 204, true, false}));
    frame.OnLeftButtonUp(105, 205);
    EXPECT_EQ(tick(), (Mouse{105, 205, false, false}));
    // Activation clears both buttons, held releases too, keeping the position.
    frame.OnLeftButtonDown(10, 20);
    frame.OnRightButtonDown(30, 40);
    frame.OnActivate();
    EXPECT_EQ(tick(), (Mouse{30, 40, false, false}));
}

TEST_F(GameAppTest, AnExposeRedrawsTheScreenAndPresentsTheWholeFrameAgain) {
    app_->InitInstance();
    app_->OnIdle(0);
    TakeLog();
    const int presented = app_->GetDisplay().PresentedFrames();
    app_->Frame()->OnPaint();
    app_->Frame()->OnEraseBackground();
    EXPECT_EQ(TakeLog(), Log{"start.Draw@2"});
    app_->GetDisplay().Present();
    EXPECT_EQ(app_->GetDisplay().PresentedFrames(), presented + 1);
}

TEST_F(GameAppTest, CloseLeavesTheScreenThenReleasesThenDeletesAndQuits) {
    app_->InitInstance();
    play_->codes = {};
    start_->codes = {ToPlay};
    app_->OnIdle(0);
    TakeLog();

    app_->Frame()->OnClose();
    EXPECT_EQ(TakeLog(),
              (Log{"play.Leave@2", "start.Delete (display released)",
                   "play.Delete (display released)", "score.Delete (display released)"}));
    EXPECT_TRUE(app_->Frame()->QuitPosted());
    EXPECT_EQ(app_->Frame()->CurrentScreen(), nullptr);

    clock_.Advance(100);
    app_->OnIdle(0);
    app_->Frame()->OnEraseBackground();
    app_->Frame()->OnClose();  // a second request finds nothing left to free
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_EQ(app_->ExitInstance(), 1);
    EXPECT_EQ(app_->Frame(), nullptr);
}

TEST_F(GameAppTest, ALostDisplayLeavesTheScreenAsACloseWouldAndADeletedFrameToo) {
    app_->InitInstance();
    TakeLog();
    DisplayLoss::SaveEverything();  // the display itself is not touched
    EXPECT_EQ(TakeLog(), Log{"start.Leave@1"});
    app_.reset();
    EXPECT_EQ(TakeLog(),
              (Log{"start.Leave@1", "start.Delete (display released)",
                   "play.Delete (display released)", "score.Delete (display released)"}));
}

TEST_F(GameAppTest, AFailedGraphicsCheckShowsTheMessageAndCreatesNothing) {
    MessageBoxRecorder boxes;
    MainFrame::Setup setup = RecordingSetup();
    setup.openWindow = [](std::string* error) {
        *error = "no video device";
        return std::unique_ptr<Window>();
    };
    app_ = std::make_unique<GameApp>(std::move(setup));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(app_->InitInstance());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no video device"), std::string::npos);

    ASSERT_EQ(boxes.All().size(), 1u);
    EXPECT_EQ(boxes.All()[0].caption, "DirectX");
    EXPECT_EQ(boxes.All()[0].text,
              "Vlims requires DirectX 5.  Your system does not have DirectX 5 installed.\n"
              " Please download DirectX FREE from "
              "https://www.microsoft.com/en-us/download/details.aspx?id=35 ");
    EXPECT_FALSE(app_->GetDisplay().HasBackBuffer());
    EXPECT_FALSE(app_->Frame()->AppActive());
    EXPECT_TRUE(app_->Frame()->QuitPosted());

    app_->OnIdle(0);
    app_->Frame()->OnClose();
    EXPECT_TRUE(log_.empty());  // no screens made, none to free
    EXPECT_EQ(app_->ExitInstance(), 1);
}

TEST(GameAppWindow, TheRealWindowHasTheTitleAndClientArea) {
    TempWorkDir dir;
    std::string error;
    testing::internal::CaptureStderr();  // no icon in an empty folder
    std::unique_ptr<Window> window = MainFrame::OpenGameWindow(&error);
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(window) << error;
    int width = 0, height = 0;
    window->ClientSize(&width, &height);
    EXPECT_EQ(std::pair(width, height), std::pair(625, 440));
}
}  // namespace
