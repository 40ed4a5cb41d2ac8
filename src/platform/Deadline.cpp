#include "platform/Deadline.h"

void Deadline::Start(uint32_t now, uint32_t delay) {
    start_ = now;
    delay_ = delay;
    pending_ = true;
}

bool Deadline::Passed(uint32_t now) const {
    if (pending_ && now - start_ > delay_)
        pending_ = false;
    return !pending_;
}

uint32_t Deadline::Remaining(uint32_t now) const {
    if (Passed(now))
        return 0;
    return delay_ - (now - start_) + 1;
}
