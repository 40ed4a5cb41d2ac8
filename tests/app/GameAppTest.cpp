#include <gtest/gtest.h>

#include <utility>

#include "app/GameApp.h"
#include "platform/ManualClock.h"
#include "support/TempWorkDir.h"

namespace {
using Log = std::vector<std::string>;

// A screen that logs every call as "name.Call@frames presented so far", so
// that a test sees what ran before which present. Update paints, so that
// every tick has a changed frame to present.
class RecordingScreen : public Screen {
  public:
    RecordingScreen(std::string name, Log& log, const Display& display)
        : name_(std::move(name)), log_(log), display_(display) {}
    void Enter(Display&, SoundSystem&, uint32_t) override { Record("Enter"); }
    void Draw(Display&) override { Record("Draw"); }
    ScreenCode Update(Display& display, SoundSystem&, uint32_t, int x, int y, bool left,
                      bool right) override {
        Record("Update");
        mouse = {x, y, left, right};
        display.FillRect(0, 0, 10, 10, nextColour_++);
        return Stay;
    }
    void Leave() override { Record("Leave"); }

    std::tuple<int, int, bool, bool> mouse{-1, -1, false, false};

  private:
    void Record(const char* call) {
        log_.push_back(name_ + "." + call + "@" + std::to_string(display_.PresentedFrames()));
    }
    std::string name_;
    Log& log_;
    const Display& display_;
    // Shared by all screens, so that no two fills look the same.
    static inline uint32_t nextColour_ = 0x101010;
};

// The whole application, headless, with three recording screens.
class GameAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MainFrame::Setup setup;
        setup.makeScreens = [this] {
            auto make = [this](const char* name) {
                return std::make_unique<RecordingScreen>(name, log_, app_->GetDisplay());
            };
            auto start = make("start");
            start_ = start.get();
            return ScreenSet{std::move(start), make("play"), make("score")};
        };
        app_ = std::make_unique<GameApp>(std::move(setup));
        EXPECT_TRUE(app_->InitInstance());
    }
    // The log since the last call.
    Log TakeLog() { return std::exchange(log_, {}); }

    TempWorkDir dir_;
    // 5 ms before the tick count wraps: the first ticks cross it.
    ManualClock clock_{0xFFFFFFFBu};
    Log log_;
    RecordingScreen* start_ = nullptr;
    std::unique_ptr<GameApp> app_;
};

TEST_F(GameAppTest, StartUpThenATickEveryTenMillisecondsAcrossTheWrapAndAnExposeDraws) {
    EXPECT_EQ(TakeLog(), (Log{"start.Enter@0", "start.Draw@0"}));
    // The first tick runs at once, then each only once the count has passed
    // the last tick's time plus 10.
    EXPECT_EQ(app_->MillisecondsToNextTick(), 0u);
    app_->OnIdle(0);
    EXPECT_EQ(TakeLog(), Log{"start.Update@1"});
    for (int tick = 2; tick < 6; ++tick) {
        clock_.Advance(10);
        EXPECT_EQ(app_->MillisecondsToNextTick(), 1u);
        app_->OnIdle(0);
        EXPECT_TRUE(TakeLog().empty()) << tick;
        clock_.Advance(1);
        app_->OnIdle(0);
        EXPECT_EQ(TakeLog(), Log{"start.Update@" + std::to_string(tick)});
    }
    // An uncovered window shows the screen drawn again, not what covered it.
    app_->Frame()->OnPaint();
    app_->Frame()->OnEraseBackground();
    EXPECT_EQ(TakeLog(), Log{"start.Draw@6"});
}

// A button held while the player went to another window must not stay down.
TEST_F(GameAppTest, ActivationClearsHeldButtonsKeepingThePosition) {
    app_->Frame()->OnLeftButtonDown(10, 20);
    app_->Frame()->OnRightButtonDown(30, 40);
    app_->Frame()->OnActivate();
    app_->OnIdle(0);
    EXPECT_EQ(start_->mouse, std::make_tuple(30, 40, false, false));
}

}  // namespace
