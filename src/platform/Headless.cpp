#include "platform/Headless.h"

#include <SDL.h>

bool IsMemoryOnlyDriver(const char* driver) {
    return SDL_strcmp(driver, "dummy") == 0 || SDL_strcmp(driver, "offscreen") == 0;
}

bool HasScreen() {
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && !IsMemoryOnlyDriver(driver);
}
