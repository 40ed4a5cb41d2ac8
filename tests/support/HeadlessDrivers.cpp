// Every test runs headless: no window appears and no sound card is opened,
// whether the suite runs under CTest or by hand. A variable already set (to
// try another driver) is kept. SDL_setenv reaches SDL's own lookups on
// Windows too.
#include <SDL.h>

namespace {
const bool headless = [] {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();
}  // namespace
