#pragma once
#include <cstdint>
#include <memory>

struct SDL_Surface;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const;
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// A picture held in a colour-keyed surface: black (0,0,0) is transparent in
// every draw. Width and height are the size asked for at load time. Images are
// only made by Display::LoadImageFile; whoever holds the unique_ptr owns it.
// The surface is shared so that a draw the display has not carried out yet
// keeps its pixels alive when the picture is freed first. No two pictures
// share a serial, not even one made where a freed one was.
struct Image {
    std::shared_ptr<SDL_Surface> surface;
    int width = 0;
    int height = 0;
    uint64_t serial = 0;
};
using ImagePtr = std::unique_ptr<Image>;
