#include "platform/SystemClock.h"

#include <SDL.h>

uint32_t SystemClock::Now() {
    return static_cast<uint32_t>(SDL_GetTicks64());
}

void SystemClock::Sleep(uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}
