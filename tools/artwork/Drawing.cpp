#include "Drawing.h"

#include <cmath>

namespace draw {

void SetColour(cairo_t* cr, const Colour& colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom,
                  bool preserve) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, gradient);
    if (preserve) {
        cairo_fill_preserve(cr);
    } else {
        cairo_fill(cr);
    }
    cairo_pattern_destroy(gradient);
}

namespace {

void SelectFont(cairo_t* cr, const TextStyle& style) {
    cairo_select_font_face(cr, style.family, CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.size);
}

double CapHeight(cairo_t* cr) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "H", &extents);
    return -extents.y_bearing;
}

}  // namespace

double TextWidth(cairo_t* cr, const std::string& text, const TextStyle& style) {
    cairo_save(cr);
    SelectFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

void Text(cairo_t* cr, const std::string& text, double x, double centreY, const TextStyle& style,
          Align align) {
    cairo_save(cr);
    SelectFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    double left = x;
    if (align == Align::Centre)
        left = x - extents.x_advance / 2;
    if (align == Align::Right)
        left = x - extents.x_advance;
    const double baseline = centreY + CapHeight(cr) / 2;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (style.shadowOffset > 0) {
        cairo_move_to(cr, left + style.shadowOffset, baseline + style.shadowOffset);
        cairo_text_path(cr, text.c_str());
        SetColour(cr, style.shadow, style.shadowAlpha);
        if (style.outlineWidth > 0) {
            cairo_set_line_width(cr, style.outlineWidth * 2);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    cairo_move_to(cr, left, baseline);
    cairo_text_path(cr, text.c_str());
    if (style.outlineWidth > 0) {
        SetColour(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, style.fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void ArcArrowHead(cairo_t* cr, double cx, double cy, double radius, double angle, double forward,
                  double side, double back) {
    const double tipX = cx + radius * std::cos(angle);
    const double tipY = cy + radius * std::sin(angle);
    // The clockwise tangent and the outward normal at the arc's end.
    const double tx = -std::sin(angle);
    const double ty = std::cos(angle);
    const double nx = std::cos(angle);
    const double ny = std::sin(angle);
    cairo_move_to(cr, tipX + tx * forward, tipY + ty * forward);
    cairo_line_to(cr, tipX + nx * side - tx * back, tipY + ny * side - ty * back);
    cairo_line_to(cr, tipX - nx * side - tx * back, tipY - ny * side - ty * back);
    cairo_close_path(cr);
}

void Sparkle(cairo_t* cr, double cx, double cy, double radius, const Colour& colour, double alpha) {
    cairo_save(cr);
    cairo_move_to(cr, cx, cy - radius);
    for (int i = 0; i < 4; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 2;
        const double next = angle + M_PI / 2;
        cairo_curve_to(cr, cx + std::cos(angle) * radius * 0.15,
                       cy + std::sin(angle) * radius * 0.15, cx + std::cos(next) * radius * 0.15,
                       cy + std::sin(next) * radius * 0.15, cx + std::cos(next) * radius,
                       cy + std::sin(next) * radius);
    }
    cairo_close_path(cr);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace draw
