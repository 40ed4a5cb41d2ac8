#pragma once
#include <cstdint>

// What a screen's Update asks the main loop to do next.
enum ScreenCode : int32_t { Stay = 0, ToStart = 1, ToPlay = 2, ToScores = 3 };
