#include "FontSheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Drawing.h"

namespace {

constexpr int kCellsPerRow = 16;
const Colour kGlyphColour = Colour::Bytes(255, 246, 220);
const Colour kEdgeColour = Colour::Bytes(26, 20, 46);

bool HasGlyph(int code) {
    return (code >= 32 && code <= 126) || code >= 160;
}

std::string Latin1ToUtf8(int code) {
    std::string text;
    if (code < 0x80) {
        text.push_back(char(code));
    } else {
        text.push_back(char(0xc0 | (code >> 6)));
        text.push_back(char(0x80 | (code & 0x3f)));
    }
    return text;
}

void SelectFont(cairo_t* cr, const FontSheet::Style& style) {
    cairo_select_font_face(cr, style.family, CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.pixelSize);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// Where the glyph's pen starts inside its span, and how wide the span is:
// the advance, widened only where ink would otherwise be cut off.
struct Span {
    int width = 0;
    double penOffset = 0;
};

// The span is the advance, so that text keeps the font's own spacing; only
// a glyph whose ink reaches beyond it (a rare overhang) gets a wider span.
// An outline may lose a sliver where a glyph's ink touches its span's edge,
// which keeps it from spreading the letters apart.
Span Measure(cairo_t* cr, const std::string& text, const FontSheet::Style& style) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const int advance = int(std::lround(extents.x_advance));
    if (extents.width <= 0)
        return Span{std::clamp(advance, 0, style.cell), 0};
    const double inkLeft = extents.x_bearing;
    const double inkRight = extents.x_bearing + extents.width;
    const int overLeft = std::max(0, int(std::ceil(-inkLeft - 0.5)));
    const int overRight = std::max(0, int(std::ceil(inkRight - advance - 0.5)));
    Span span;
    span.width = std::min(style.cell, advance + overLeft + overRight);
    span.penOffset = overLeft;
    return span;
}

void DrawGlyph(cairo_t* cr, const std::string& text, double x, double baseline,
               const FontSheet::Style& style) {
    if (style.outlineWidth > 0) {
        cairo_move_to(cr, x, baseline);
        cairo_text_path(cr, text.c_str());
        cairo_set_line_width(cr, style.outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        draw::SetColour(cr, kEdgeColour);
        cairo_stroke(cr);
    } else {
        cairo_move_to(cr, x + 1, baseline + 1);
        draw::SetColour(cr, kEdgeColour, 0.9);
        cairo_show_text(cr, text.c_str());
    }
    cairo_move_to(cr, x, baseline);
    draw::SetColour(cr, kGlyphColour);
    cairo_show_text(cr, text.c_str());
}

}  // namespace

FontSheet::Widths FontSheet::Paint(Canvas& canvas, const Style& style) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(kEdgeColour, 0.3);
    SelectFont(cr, style);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    // Glyphs hang from near the top of the cell, so that lines drawn closer
    // than a cell apart (the play panel's texts) do not collide.
    const double baseline =
        std::round(std::min(style.cell - font.descent - 0.5, font.ascent + 1.0));
    Widths widths{};
    for (int code = 0; code < 256; ++code) {
        if (!HasGlyph(code))
            continue;
        const std::string text = Latin1ToUtf8(code == 160 ? ' ' : code);
        const Span span = Measure(cr, text, style);
        widths[size_t(code)] = uint8_t(span.width);
        const int left = (code % kCellsPerRow) * style.cell + (style.cell - span.width) / 2;
        const int top = (code / kCellsPerRow) * style.cell;
        cairo_save(cr);
        cairo_rectangle(cr, left, top, span.width, style.cell);
        cairo_clip(cr);
        DrawGlyph(cr, text, left + span.penOffset, top + baseline, style);
        cairo_restore(cr);
    }
    return widths;
}
