#pragma once
#include <cstdint>

#include "board/GameKind.h"

// Plain values the three screens hand to each other.
struct SharedState {
    GameVariant variant = NormalVariant;
    Difficulty difficulty = NormalDifficulty;
    bool resumeRequested = false;
    // -1 while a game runs; 0 when there is nothing to enter in the table.
    int32_t finalScore = 0;
    // An ended game whose end could be neither written nor its saved game
    // removed (a full disk, a locked folder): for the rest of the run it is
    // not offered for resuming. A later successful save clears it.
    bool savedGameEnded = false;
};

extern SharedState shared;
