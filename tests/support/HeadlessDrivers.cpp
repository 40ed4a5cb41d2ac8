// Every test runs headless: no window appears and no sound card is opened,
// whether the suite runs under CTest or by hand. A variable already set (to
// try another driver) is kept.
#include <cstdlib>

namespace {
const bool headless = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();
}  // namespace
