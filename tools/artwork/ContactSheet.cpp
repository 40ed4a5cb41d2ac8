#include "ContactSheet.h"

#include <algorithm>
#include <cstdio>

#include "Drawing.h"

namespace {

constexpr double kSheetWidth = 1900;
constexpr double kGap = 14;
constexpr double kLabelHeight = 16;

draw::TextStyle LabelStyle() {
    draw::TextStyle style;
    style.family = "Liberation Sans";
    style.bold = false;
    style.size = 10;
    style.fill = Colour::Bytes(20, 20, 20);
    return style;
}

struct Placement {
    double x;
    double y;
    double cellWidth;
};

// Shelf packing in the order the pictures were made, so that related
// pictures sit together.
std::vector<Placement> Layout(cairo_t* cr, const std::vector<ArtworkSet::Picture>& pictures,
                              double& height) {
    std::vector<Placement> places;
    double x = kGap;
    double y = kGap;
    double shelf = 0;
    for (const ArtworkSet::Picture& picture : pictures) {
        const double w = cairo_image_surface_get_width(picture.flattened.get());
        const double h = cairo_image_surface_get_height(picture.flattened.get());
        const double cell = std::max(w, draw::TextWidth(cr, picture.name, LabelStyle()));
        if (x + cell + kGap > kSheetWidth) {
            x = kGap;
            y += shelf + kLabelHeight + kGap;
            shelf = 0;
        }
        places.push_back(Placement{x, y, cell});
        x += cell + kGap;
        shelf = std::max(shelf, h);
    }
    height = y + shelf + kLabelHeight + kGap;
    return places;
}

}  // namespace

bool ContactSheet::Write(const std::string& path,
                         const std::vector<ArtworkSet::Picture>& pictures) {
    cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* measure = cairo_create(probe);
    double height = 0;
    const std::vector<Placement> places = Layout(measure, pictures, height);
    cairo_destroy(measure);
    cairo_surface_destroy(probe);

    SurfacePtr sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(kSheetWidth), int(height)));
    cairo_t* cr = cairo_create(sheet.get());
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_paint(cr);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const Placement& place = places[i];
        cairo_surface_t* image = pictures[i].flattened.get();
        const double w = cairo_image_surface_get_width(image);
        const double h = cairo_image_surface_get_height(image);
        const double left = place.x + (place.cellWidth - w) / 2;
        cairo_set_source_surface(cr, image, left, place.y);
        cairo_paint(cr);
        draw::Text(cr, pictures[i].name, place.x + place.cellWidth / 2, place.y + h + 8,
                   LabelStyle());
    }
    cairo_destroy(cr);
    if (cairo_surface_write_to_png(sheet.get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "vlims_artwork: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
