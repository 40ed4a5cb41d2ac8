#pragma once
#include <cstdint>

enum GameVariant : int32_t { NormalVariant = 0, RotationalVariant = 1 };
enum Difficulty : int32_t { Easy = 1, NormalDifficulty = 2, Hard = 3 };

// Plain values the three screens hand to each other.
struct SharedState {
    int32_t variant = NormalVariant;
    int32_t difficulty = NormalDifficulty;
    bool resumeRequested = false;
    // -1 while a game runs; 0 when there is nothing to enter in the table.
    int32_t finalScore = 0;
    // An ended game whose end could be neither written nor its saved game
    // removed (a full disk, a locked folder): for the rest of the run it is
    // not offered for resuming. A later successful save clears it.
    bool savedGameEnded = false;
};

extern SharedState shared;
