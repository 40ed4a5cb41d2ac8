#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context_(cairo_create(surface_.get())) {}

void Canvas::SetMatte(const Colour& matte, double threshold) {
    matte_ = matte;
    threshold_ = threshold;
}

Rgb Canvas::Flatten(uint32_t pixel) const {
    const double alpha = (pixel >> 24) / 255.0;
    if (alpha < threshold_ || alpha <= 0)
        return Rgb{};
    // Premultiplied channels: add the matte for the uncovered part.
    auto channel = [&](int shift, double matte) {
        const double value = ((pixel >> shift) & 0xff) + (1 - alpha) * matte * 255;
        return uint8_t(std::clamp(std::lround(value), 0L, 255L));
    };
    Rgb rgb{channel(16, matte_.r), channel(8, matte_.g), channel(0, matte_.b)};
    if (rgb.IsBlack())
        rgb = Rgb{1, 1, 1};
    return rgb;
}

std::vector<Rgb> Canvas::Pixels() const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    std::vector<Rgb> pixels;
    pixels.reserve(size_t(width_) * size_t(height_));
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            uint32_t pixel;
            std::memcpy(&pixel, data + y * stride + x * 4, sizeof pixel);
            pixels.push_back(Flatten(pixel));
        }
    }
    return pixels;
}

SurfacePtr Canvas::Flattened() const {
    SurfacePtr out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_));
    unsigned char* data = cairo_image_surface_get_data(out.get());
    const int stride = cairo_image_surface_get_stride(out.get());
    const std::vector<Rgb> pixels = Pixels();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb rgb = pixels[size_t(y) * size_t(width_) + size_t(x)];
            const uint32_t pixel =
                rgb.IsBlack() ? 0u
                              : 0xff000000u | uint32_t(rgb.r) << 16 | uint32_t(rgb.g) << 8 | rgb.b;
            std::memcpy(data + y * stride + x * 4, &pixel, sizeof pixel);
        }
    }
    cairo_surface_mark_dirty(out.get());
    return out;
}
