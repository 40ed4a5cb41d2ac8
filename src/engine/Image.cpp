#include "engine/Image.h"

#include <SDL.h>

void SurfaceDeleter::operator()(SDL_Surface* surface) const {
    SDL_FreeSurface(surface);
}
