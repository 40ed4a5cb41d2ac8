#pragma once
#include <cstdint>

// Turns elapsed milliseconds into a distance at a rate per second.
class MotionTimer {
  public:
    void Start(float rate);
    // elapsed * rate * 0.001f; 0 in the millisecond of Start. Elapsed time is
    // an unsigned difference, so it survives the tick wrap.
    float Value() const;

    uint32_t startTick = 0;
    float rate = 0.1f;
};
