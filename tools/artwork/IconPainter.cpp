#include "IconPainter.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Canvas.h"
#include "Drawing.h"
#include "VlimPainter.h"

void IconPainter::Paint(cairo_t* cr, double size) {
    const double edge = size / 32;
    const double radius = size * 0.22;
    draw::RoundedRect(cr, 0, 0, size, size, radius);
    draw::SetColour(cr, palette::kOutline);
    cairo_fill(cr);
    draw::RoundedRect(cr, edge, edge, size - 2 * edge, size - 2 * edge, radius - edge);
    draw::FillVertical(cr, edge, size - edge, Colour::Bytes(40, 170, 180),
                       Colour::Bytes(26, 52, 110));
    cairo_save(cr);
    cairo_translate(cr, size * 0.08, size * 0.06);
    VlimPainter::Paint(cr, VlimPainter::Kind::Blue, VlimPainter::Mood::Emotion, 0,
                       size * 0.84 / 40);
    cairo_restore(cr);
}

bool IconPainter::WriteAll(const std::string& folder) {
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path dir = std::filesystem::path(folder) / name;
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size));
        cairo_t* cr = cairo_create(surface.get());
        Paint(cr, size);
        cairo_destroy(cr);
        const std::string file = (dir / "vlims.png").string();
        if (error ||
            cairo_surface_write_to_png(surface.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "vlims_artwork: cannot write %s\n", file.c_str());
            ok = false;
        }
    }
    return ok;
}
