#include "platform/Clock.h"

#include "platform/SystemClock.h"

namespace {
SystemClock systemClock;
Clock* installed = nullptr;
}  // namespace

Clock& Clock::Current() {
    return installed ? *installed : systemClock;
}

void Clock::Install(Clock* clock) {
    installed = clock;
}
