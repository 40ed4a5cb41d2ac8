#pragma once
#include <cairo.h>

#include <cstdint>
#include <memory>

// An opaque 24-bit cairo picture that starts all black (the transparent
// colour of the game). Being opaque, its pixels are never premultiplied.
class Canvas {
public:
    Canvas(int width, int height);

    cairo_t* Context() const { return context_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Red, green and blue of one pixel; flushes pending drawing first.
    void ReadPixel(int x, int y, uint8_t rgb[3]) const;
    void WritePixel(int x, int y, const uint8_t rgb[3]);
    cairo_surface_t* Surface() const { return surface_.get(); }
    // Turns accidental transparent pixels of opaque art into the darkest
    // visible colour, within [left, right) x [top, bottom).
    void ReplaceBlack(int left, int top, int right, int bottom);
    void ReplaceBlack() { ReplaceBlack(0, 0, width_, height_); }

private:
    struct SurfaceDeleter {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextDeleter {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };
    int width_;
    int height_;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface_;
    std::unique_ptr<cairo_t, ContextDeleter> context_;
};
