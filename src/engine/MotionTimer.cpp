#include "engine/MotionTimer.h"

#include "platform/Clock.h"

void MotionTimer::Start(float newRate) {
    startTick = TickCount();
    rate = newRate;
}

float MotionTimer::Value() const {
    uint32_t elapsed = TickCount() - startTick;
    if (elapsed == 0)
        return 0.0f;
    return static_cast<float>(elapsed) * rate * 0.001f;
}
