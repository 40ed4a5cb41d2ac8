#pragma once
#include <cstdint>

// A moment some milliseconds after a start on the tick count, or nothing
// pending. It has passed once more than the delay has gone by since the
// start, counted without sign, so it stays passed for 49 days rather than
// turning "future" after 24; and once seen passed it stays so, since
// "nothing pending" is kept as state, not as an old tick count.
class Deadline {
  public:
    void Start(uint32_t now, uint32_t delay);
    void Clear() { pending_ = false; }
    bool Passed(uint32_t now) const;
    // Milliseconds from `now` until it has passed; 0 once it has.
    uint32_t Remaining(uint32_t now) const;
    // The tick count it falls on (for tests).
    uint32_t At() const { return start_ + delay_; }

  private:
    uint32_t start_ = 0;
    uint32_t delay_ = 0;
    mutable bool pending_ = false;
};
