#pragma once
#include <gtest/gtest.h>

#include "app/Screen.h"
#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "platform/MessageBox.h"
#include "screens/Button.h"
#include "support/TempWorkDir.h"
#include "support/TestAssets.h"

// A headless 625 x 440 display, sound, message boxes and the shared state
// of a fresh game in a fresh working directory; time moves only by Tick.
class ScreenFixture : public ::testing::Test {
  protected:
    ScreenFixture() {
        shared = SharedState{};
        display.Create(nullptr);
        display.SetWindowed(625, 440);
        sound.Create(nullptr);
    }
    ~ScreenFixture() override { shared = SharedState{}; }

    // One 10 ms tick of the screen with the mouse at (x, y).
    ScreenCode Tick(Screen& screen, int x = 0, int y = 0, bool leftDown = false) {
        clock.Advance(10);
        return screen.Update(display, sound, clock.Now(), x, y, leftDown, false);
    }

    // A press for one tick, then up to 300 ms for the screen to act; its code.
    ScreenCode ClickButton(Screen& screen, const ButtonLayout& button) {
        const int x = button.x + button.width / 2;
        const int y = button.y + button.height / 2;
        ScreenCode code = Tick(screen, x, y, true);
        for (int tick = 0; code == Stay && tick < 30; ++tick) code = Tick(screen, x, y);
        return code;
    }

    TempWorkDir dir;
    ManualClock clock;
    MessageBoxRecorder messages;
    Display display;
    SoundSystem sound;
};
