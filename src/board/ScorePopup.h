#pragma once
#include <cstdint>

#include "engine/MotionTimer.h"

struct Image;
class Sound;

// One "N Points" picture rising from where a line was scored.
class ScorePopup {
  public:
    static constexpr float kRiseRate = 35.0f;
    static constexpr int32_t kRiseDistance = 50;

    ScorePopup(const Image* picture, Sound* riseSound, int32_t left, int32_t top);

    // The top edge now, before it is held at the top of the screen.
    int32_t CurrentY() const;

    bool done = false;
    int32_t x;
    int32_t startY;
    const Image* image;
    Sound* sound;
    MotionTimer riseTimer;
};
