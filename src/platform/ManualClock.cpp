#include "platform/ManualClock.h"

ManualClock::ManualClock(uint32_t start) : now_(start) {
    Clock::Install(this);
}

ManualClock::~ManualClock() {
    Clock::Install(nullptr);
}
