#pragma once
#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "modes/GameMode.h"
#include "robust/HeadlessGame.h"
#include "screens/Button.h"
#include "screens/PlayScreen.h"
#include "support/TempWorkDir.h"

// The whole game on a copy of the game folder past the help games (played on
// Easy); each test starts it once the files it needs are in place.
class GameFlowTest : public ::testing::Test {
  protected:
    GameFlowTest() {
        HeadlessGame::CopyGameFolder();
        dir.WriteFile("Data/Help.dat", "9");
        dir.WriteFile("Data/Help2.dat", "9");
    }

    PlayScreen& Play() { return *game.Current<PlayScreen>(); }
    // This level's points become `points`; the next tick checks the level.
    void SetLevelScore(int32_t points) {
        game.Mode()->SetLevelScore(points);
        game.Tick();
    }

    TempWorkDir dir;
    HeadlessGame game;
};
