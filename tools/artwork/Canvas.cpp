#include "Canvas.h"

#include <cstring>

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      context_(cairo_create(surface_.get())) {
    cairo_set_source_rgb(Context(), 0, 0, 0);
    cairo_paint(Context());
}

void Canvas::ReadPixel(int x, int y, uint8_t rgb[3]) const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    uint32_t pixel;
    std::memcpy(&pixel, data + y * stride + x * 4, sizeof pixel);
    rgb[0] = uint8_t(pixel >> 16);
    rgb[1] = uint8_t(pixel >> 8);
    rgb[2] = uint8_t(pixel);
}

void Canvas::WritePixel(int x, int y, const uint8_t rgb[3]) {
    cairo_surface_flush(surface_.get());
    unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    const uint32_t pixel = 0xff000000u | uint32_t(rgb[0]) << 16 | uint32_t(rgb[1]) << 8 | rgb[2];
    std::memcpy(data + y * stride + x * 4, &pixel, sizeof pixel);
    cairo_surface_mark_dirty_rectangle(surface_.get(), x, y, 1, 1);
}

void Canvas::ReplaceBlack(int left, int top, int right, int bottom) {
    static const uint8_t kNearBlack[3] = {1, 1, 1};
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            uint8_t rgb[3];
            ReadPixel(x, y, rgb);
            if (rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0) WritePixel(x, y, kNearBlack);
        }
    }
}
