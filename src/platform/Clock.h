#pragma once
#include <cstdint>

// The one source of time for the whole game: a wrapping 32-bit millisecond
// tick count and a blocking sleep. Production reads SDL's ticks; tests install
// a ManualClock so every timed rule runs deterministically.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual uint32_t Now() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;

    // The clock in use; the system clock unless a test installed another.
    static Clock& Current();
    // Installs a clock (nullptr restores the system clock). Not owned.
    static void Install(Clock* clock);
};

// Shorthands for the clock in use.
inline uint32_t TickCount() {
    return Clock::Current().Now();
}
inline void SleepFor(uint32_t milliseconds) {
    Clock::Current().Sleep(milliseconds);
}

// True when tick `a` lies after tick `b`, correct across the 32-bit wrap.
inline bool TickAfter(uint32_t a, uint32_t b) {
    return static_cast<int32_t>(a - b) > 0;
}
