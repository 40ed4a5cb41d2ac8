#include "support/BlitCounter.h"

#include <SDL.h>
#include <dlfcn.h>

namespace {
bool counting = false;
int blits = 0;

using BlitFunction = int (*)(SDL_Surface*, const SDL_Rect*, SDL_Surface*, SDL_Rect*);

BlitFunction RealBlit() {
    static const BlitFunction real =
        reinterpret_cast<BlitFunction>(dlsym(RTLD_NEXT, "SDL_UpperBlit"));
    return real;
}
}  // namespace

// SDL_BlitSurface is SDL_UpperBlit. Defined in the test program, this one is
// what the game code links against; it counts and passes the call on to SDL.
extern "C" DECLSPEC int SDLCALL SDL_UpperBlit(SDL_Surface* src, const SDL_Rect* srcrect,
                                              SDL_Surface* dst, SDL_Rect* dstrect) {
    if (counting)
        ++blits;
    return RealBlit()(src, srcrect, dst, dstrect);
}

BlitCounter::BlitCounter() {
    blits = 0;
    counting = true;
}

BlitCounter::~BlitCounter() {
    counting = false;
}

int BlitCounter::Count() const {
    return blits;
}
