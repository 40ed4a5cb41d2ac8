#pragma once
#include "platform/Clock.h"

// SDL's millisecond tick count, truncated to 32 bits like the host's counter.
class SystemClock : public Clock {
  public:
    uint32_t Now() override;
    void Sleep(uint32_t milliseconds) override;
};
