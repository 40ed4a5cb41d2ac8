#pragma once
#include <cairo.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "Colour.h"

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool IsBlack() const { return r == 0 && g == 0 && b == 0; }
};

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// A picture being painted with cairo. It starts fully see-through; when it
// becomes a 24-bit game picture every pixel is flattened: nearly clear pixels
// turn into the transparent black of the game, the rest are blended over a
// matte colour (the colour the picture will mostly be drawn on, so soft
// edges stay soft in the game) and never come out as pure black by accident.
class Canvas {
  public:
    Canvas(int width, int height);

    cairo_t* Context() const { return context_.get(); }
    cairo_surface_t* Surface() const { return surface_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Pixels less covered than `threshold` (0 to 1) become transparent.
    void SetMatte(const Colour& matte, double threshold);
    // Every flattened pixel, row by row from the top.
    std::vector<Rgb> Pixels() const;
    // The flattened picture as it shows in the game: black fully clear.
    SurfacePtr Flattened() const;

  private:
    Rgb Flatten(uint32_t argb) const;

    struct ContextDeleter {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };
    int width_;
    int height_;
    SurfacePtr surface_;
    std::unique_ptr<cairo_t, ContextDeleter> context_;
    Colour matte_ = Colour::Bytes(24, 20, 40);
    double threshold_ = 0.4;
};
