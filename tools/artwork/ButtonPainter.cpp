#include "ButtonPainter.h"

#include <cmath>

#include "Drawing.h"

namespace {

constexpr double kLip = 3;   // the darker ledge under a raised face
constexpr double kSink = 2;  // how far a pushed face moves down

enum class Look { Raised, Pushed, Lit };

// Paints the frame and face of a button and returns the face's top, where
// the content is placed relative to.
double Body(Canvas& canvas, const Colour& base, Look look, double radius) {
    cairo_t* cr = canvas.Context();
    const double w = canvas.Width();
    const double h = canvas.Height();
    const bool raised = look == Look::Raised;
    canvas.SetMatte(Colour::Bytes(30, 26, 52), 0.5);
    // The rim: the whole silhouette, the same in both pictures.
    draw::RoundedRect(cr, 0, 0, w, h, radius);
    draw::SetColour(cr, base.Darker(0.62).Mix(palette::kInk, 0.3));
    cairo_fill(cr);
    const double faceTop = raised ? 1 : 1 + kSink;
    const double faceHeight = raised ? h - 2 - kLip : h - 2 - kSink;
    // Below a raised face its lip; around a sunk one the hollow.
    draw::RoundedRect(cr, 1, 1, w - 2, h - 2, radius - 1);
    draw::SetColour(cr, base.Darker(raised ? 0.42 : 0.55));
    cairo_fill(cr);
    draw::RoundedRect(cr, 1, faceTop, w - 2, faceHeight, radius - 1);
    static const double kTop[] = {0.38, -0.12, 0.5};  // lighter (+) or darker (-)
    static const double kBottom[] = {0, -0.22, 0.15};
    auto shade = [&](double t) { return t >= 0 ? base.Lighter(t) : base.Darker(-t); };
    draw::FillVertical(cr, faceTop, faceTop + faceHeight, shade(kTop[int(look)]),
                       shade(kBottom[int(look)]));
    cairo_save(cr);
    draw::RoundedRect(cr, 1, faceTop, w - 2, faceHeight, radius - 1);
    cairo_clip(cr);
    if (look == Look::Pushed) {
        // A soft shadow along the top edge inside the hollow.
        cairo_pattern_t* shadow = cairo_pattern_create_linear(0, faceTop, 0, faceTop + 6);
        cairo_pattern_add_color_stop_rgba(shadow, 0, 0.05, 0.03, 0.12, 0.45);
        cairo_pattern_add_color_stop_rgba(shadow, 1, 0.05, 0.03, 0.12, 0);
        cairo_set_source(cr, shadow);
        cairo_paint(cr);
        cairo_pattern_destroy(shadow);
    } else if (look == Look::Lit) {
        // Lit from inside: a warm glowing edge all round.
        draw::RoundedRect(cr, 2.5, faceTop + 1.5, w - 5, faceHeight - 3, radius - 2);
        cairo_set_line_width(cr, 2);
        draw::SetColour(cr, Colour::Bytes(255, 248, 190));
        cairo_stroke(cr);
    } else {
        // Gloss on the upper half and a one-pixel highlight line.
        draw::RoundedRect(cr, 3, faceTop + 1.5, w - 6, faceHeight * 0.45, radius - 3);
        draw::SetColour(cr, Colour{1, 1, 1}, 0.16);
        cairo_fill(cr);
        cairo_move_to(cr, radius, faceTop + 1.5);
        cairo_line_to(cr, w - radius, faceTop + 1.5);
        cairo_set_line_width(cr, 1);
        draw::SetColour(cr, Colour{1, 1, 1}, 0.55);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    return faceTop;
}

draw::TextStyle LabelStyle(double size, bool pushed) {
    draw::TextStyle style;
    style.size = size;
    style.fill = pushed ? palette::kCream.Darker(0.1) : palette::kCream;
    style.outline = palette::kOutline;
    style.outlineWidth = 1.2;
    style.shadowOffset = pushed ? 0 : 1.5;
    style.shadowAlpha = 0.55;
    return style;
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, double turn) {
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + turn + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        if (i == 0) {
            cairo_move_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
        } else {
            cairo_line_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
        }
    }
    cairo_close_path(cr);
}

void Wand(cairo_t* cr, double dy, bool pushed) {
    // The stick, from the lower left to the star at the upper right.
    cairo_save(cr);
    cairo_translate(cr, 0, dy);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 42, 78);
    cairo_line_to(cr, 88, 36);
    cairo_set_line_width(cr, 8);
    draw::SetColour(cr, palette::kOutline);
    cairo_stroke(cr);
    cairo_move_to(cr, 42, 78);
    cairo_line_to(cr, 88, 36);
    cairo_set_line_width(cr, 5);
    draw::SetColour(cr, Colour::Bytes(70, 50, 110));
    cairo_stroke(cr);
    cairo_move_to(cr, 76, 47);
    cairo_line_to(cr, 86, 38);
    draw::SetColour(cr, Colour{1, 1, 1});
    cairo_stroke(cr);
    // The glow and the star.
    cairo_pattern_t* glow = cairo_pattern_create_radial(94, 30, 2, 94, 30, 30);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, pushed ? 0.9 : 0.7);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.6, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 94, 30, 30, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    Star(cr, 94, 30, 16, 7, 0.15);
    draw::SetColour(cr, palette::kGold);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    draw::SetColour(cr, Colour::Bytes(150, 80, 20));
    cairo_stroke(cr);
    Star(cr, 91, 27, 6, 3, 0.15);
    draw::SetColour(cr, Colour{1, 1, 0.85}, 0.8);
    cairo_fill(cr);
    // Sparkles that the wand has shed.
    const double sparkles[][3] = {{60, 26, 6}, {118, 52, 7},   {112, 16, 5},
                                  {70, 50, 4}, {122, 32, 3.5}, {34, 36, 4.5}};
    for (const auto& s : sparkles) {
        draw::Sparkle(cr, s[0], s[1], s[2] * (pushed ? 1.25 : 1), Colour{1, 1, 0.9}, 0.9);
    }
    cairo_restore(cr);
}

void TurnArrow(cairo_t* cr, double cx, double cy, double radius, double width,
               const Colour& colour) {
    // Three quarters of a circle, clockwise, ending in an arrowhead.
    const double start = -M_PI * 0.9;
    const double end = M_PI * 0.45;
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, cy, radius, start, end);
    draw::SetColour(cr, colour);
    cairo_stroke(cr);
    const double head = width * 1.7;
    draw::ArcArrowHead(cr, cx, cy, radius, end, head * 1.1, head, 0);
    cairo_fill(cr);
}

}  // namespace

void ButtonPainter::Labelled(Canvas& canvas, const std::string& label, const Colour& base,
                             bool pushed, double fontSize) {
    const double radius = canvas.Height() < 38 ? 8 : 10;
    const double faceTop = Body(canvas, base, pushed ? Look::Pushed : Look::Raised, radius);
    const double faceHeight = canvas.Height() - 2 - kLip;
    draw::Text(canvas.Context(), label, canvas.Width() / 2.0, faceTop + faceHeight / 2,
               LabelStyle(fontSize, pushed));
}

void ButtonPainter::Choice(Canvas& canvas, const std::string& label, const Colour& base,
                           bool selected, double fontSize) {
    if (!selected) {
        Labelled(canvas, label, base, false, fontSize);
        return;
    }
    const double faceTop = Body(canvas, base, Look::Lit, 8);
    cairo_t* cr = canvas.Context();
    const draw::TextStyle style = LabelStyle(fontSize, false);
    const double mark = fontSize * 0.8;
    const double gap = 4;
    const double left = (canvas.Width() - mark - gap - draw::TextWidth(cr, label, style)) / 2;
    const double middle = faceTop + (canvas.Height() - 2 - kLip) / 2;
    // The tick of the chosen game, outlined like the label.
    for (const bool outline : {true, false}) {
        cairo_move_to(cr, left, middle);
        cairo_line_to(cr, left + mark * 0.38, middle + mark * 0.4);
        cairo_line_to(cr, left + mark, middle - mark * 0.5);
        cairo_set_line_width(cr, outline ? 4.6 : 2.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        draw::SetColour(cr, outline ? palette::kOutline : Colour::Bytes(80, 230, 90));
        cairo_stroke(cr);
    }
    draw::Text(cr, label, left + mark + gap, middle, style, draw::Align::Left);
}

void ButtonPainter::Hint(Canvas& canvas, bool pushed) {
    const Colour base = Colour::Bytes(112, 76, 196);
    const double faceTop = Body(canvas, base, pushed ? Look::Pushed : Look::Raised, 14);
    cairo_t* cr = canvas.Context();
    Wand(cr, faceTop - 1, pushed);
    draw::Text(cr, "Hint", canvas.Width() / 2.0, faceTop + 97, LabelStyle(24, pushed));
}

void ButtonPainter::Rotate(Canvas& canvas, bool pushed) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(Colour::Bytes(20, 40, 64), 0.5);
    const double c = canvas.Width() / 2.0;
    cairo_arc(cr, c, c, c - 0.5, 0, 2 * M_PI);
    draw::SetColour(cr, palette::kOutline);
    cairo_fill(cr);
    cairo_arc(cr, c, c + (pushed ? 0.5 : 0), c - 1.8, 0, 2 * M_PI);
    const Colour top = pushed ? Colour::Bytes(255, 170, 60) : Colour::Bytes(255, 255, 255);
    const Colour bottom = pushed ? Colour::Bytes(220, 110, 30) : Colour::Bytes(190, 214, 240);
    draw::FillVertical(cr, 1, canvas.Height() - 1, top, bottom);
    TurnArrow(cr, c, c + (pushed ? 0.5 : 0), 4.6, 1.9,
              pushed ? Colour::Bytes(110, 40, 10) : Colour::Bytes(40, 70, 150));
}
