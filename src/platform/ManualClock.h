#pragma once
#include "platform/Clock.h"

// A clock that only moves when told to: Sleep advances it, so code that
// blocks (the 500 ms difficulty wait, the 100 ms rotation pause) costs a test
// no real time. Installs itself for its lifetime.
class ManualClock : public Clock {
  public:
    explicit ManualClock(uint32_t start = 1000);
    ~ManualClock() override;
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    uint32_t Now() override { return now_; }
    void Sleep(uint32_t milliseconds) override { now_ += milliseconds; }
    void Advance(uint32_t milliseconds) { now_ += milliseconds; }
    void Set(uint32_t tick) { now_ = tick; }

  private:
    uint32_t now_;
};
