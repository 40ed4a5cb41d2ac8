#include "PicturePainter.h"

#include <cmath>
#include <string>

#include "BackgroundPainter.h"
#include "ButtonPainter.h"
#include "Drawing.h"
#include "VlimPainter.h"

namespace {

using Kind = VlimPainter::Kind;
using Mood = VlimPainter::Mood;

void PaintVlim(cairo_t* cr, double x, double y, double scale, Kind kind, Mood mood, int frame) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    VlimPainter::Paint(cr, kind, mood, frame, scale);
    cairo_restore(cr);
}

draw::TextStyle Label(double size, const Colour& fill = palette::kCream) {
    draw::TextStyle style;
    style.size = size;
    style.fill = fill;
    style.outline = palette::kOutline;
    style.outlineWidth = size / 12;
    style.shadowOffset = size / 14;
    style.shadowAlpha = 0.5;
    return style;
}

draw::TextStyle Ink(double size) {
    draw::TextStyle style;
    style.size = size;
    style.fill = Colour::Bytes(60, 40, 90);
    return style;
}

void Card(Canvas& canvas, const Colour& top, const Colour& bottom, double radius) {
    cairo_t* cr = canvas.Context();
    const double w = canvas.Width();
    const double h = canvas.Height();
    draw::RoundedRect(cr, 0, 0, w, h, radius);
    draw::SetColour(cr, palette::kOutline);
    cairo_fill(cr);
    draw::RoundedRect(cr, 2, 2, w - 4, h - 4, radius - 2);
    draw::FillVertical(cr, 2, h - 2, top, bottom);
    draw::RoundedRect(cr, 3.5, 3.5, w - 7, h - 7, radius - 3);
    cairo_set_line_width(cr, 1);
    draw::SetColour(cr, Colour{1, 1, 1}, 0.35);
    cairo_stroke(cr);
}

void Stars(cairo_t* cr, double cx, double cy, int lit) {
    for (int i = 0; i < 3; ++i) {
        const double x = cx + (i - 1) * 22;
        for (int p = 0; p < 10; ++p) {
            const double angle = -M_PI / 2 + p * M_PI / 5;
            const double r = p % 2 == 0 ? 9 : 4;
            const double px = x + r * std::cos(angle);
            const double py = cy + r * std::sin(angle);
            if (p == 0) {
                cairo_move_to(cr, px, py);
            } else {
                cairo_line_to(cr, px, py);
            }
        }
        cairo_close_path(cr);
        draw::SetColour(cr, i < lit ? palette::kGold : Colour{1, 1, 1}, i < lit ? 1 : 0.25);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        draw::SetColour(cr, palette::kOutline, 0.8);
        cairo_stroke(cr);
    }
}

void Arrow(cairo_t* cr, double x0, double y0, double x1, double y1, double bend,
           const Colour& colour) {
    const double mx = (x0 + x1) / 2;
    const double my = (y0 + y1) / 2 + bend;
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, mx, my, mx, my, x1, y1);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    draw::SetColour(cr, colour);
    cairo_stroke(cr);
    const double angle = std::atan2(y1 - my, x1 - mx);
    cairo_move_to(cr, x1 + 4 * std::cos(angle), y1 + 4 * std::sin(angle));
    cairo_line_to(cr, x1 + 7 * std::cos(angle + 2.4), y1 + 7 * std::sin(angle + 2.4));
    cairo_line_to(cr, x1 + 7 * std::cos(angle - 2.4), y1 + 7 * std::sin(angle - 2.4));
    cairo_close_path(cr);
    cairo_fill(cr);
}

void HelpCard(Canvas& canvas, const char* title) {
    canvas.SetMatte(BackgroundPainter::WellColour(), 0.5);
    Card(canvas, Colour::Bytes(255, 250, 232), Colour::Bytes(250, 226, 190), 14);
    draw::Text(canvas.Context(), title, 80, 17, Label(17, palette::kGold));
}

}  // namespace

void PicturePainter::Difficulty(Canvas& canvas, int difficulty) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(Colour::Bytes(40, 30, 80), 0.5);
    static const char* const kNames[] = {"Easy", "Normal", "Hard"};
    static const Colour kTops[] = {Colour::Bytes(120, 220, 130), Colour::Bytes(110, 170, 250),
                                   Colour::Bytes(250, 120, 110)};
    const int index = difficulty - 1;
    Card(canvas, kTops[index], kTops[index].Darker(0.35), 16);
    draw::Text(cr, kNames[index], 75, 22, Label(24));
    switch (difficulty) {
        case 1:
            PaintVlim(cr, 39, 36, 1.8, Kind::Green, Mood::Emotion, 2);
            break;
        case 2:
            PaintVlim(cr, 12, 44, 1.5, Kind::Blue, Mood::Standard, 0);
            PaintVlim(cr, 78, 44, 1.5, Kind::Yellow, Mood::Emotion, 0);
            break;
        default:
            PaintVlim(cr, 4, 50, 1.25, Kind::Red, Mood::Scared, 0);
            PaintVlim(cr, 51, 42, 1.25, Kind::White, Mood::Standard, 0);
            PaintVlim(cr, 97, 50, 1.25, Kind::White, Mood::Scared, 1);
            break;
    }
    Stars(cr, 75, 132, difficulty);
}

void PicturePainter::Select(Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(Colour::Bytes(90, 60, 10), 0.45);
    draw::RoundedRect(cr, 2, 2, 36, 36, 9);
    cairo_set_line_width(cr, 4.5);
    draw::SetColour(cr, palette::kOutline);
    cairo_stroke(cr);
    draw::RoundedRect(cr, 2, 2, 36, 36, 9);
    cairo_set_line_width(cr, 2.5);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 0, 0, 40);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1, 0.98, 0.66);
    cairo_pattern_add_color_stop_rgb(gold, 1, 1, 0.66, 0.16);
    cairo_set_source(cr, gold);
    cairo_stroke(cr);
    cairo_pattern_destroy(gold);
    // Twinkles on two corners.
    draw::Sparkle(cr, 4, 4, 4, Colour{1, 1, 1});
    draw::Sparkle(cr, 36, 36, 4, Colour{1, 1, 1});
}

void PicturePainter::StartHelpSwap(Canvas& canvas) {
    HelpCard(canvas, "Swap!");
    cairo_t* cr = canvas.Context();
    // Two neighbours trading places, the first one picked.
    PaintVlim(cr, 26, 40, 1.1, Kind::Blue, Mood::Scared, 0);
    PaintVlim(cr, 90, 40, 1.1, Kind::Red, Mood::Standard, 0);
    const Colour arrow = Colour::Bytes(230, 110, 40);
    Arrow(cr, 52, 38, 106, 38, -16, arrow);
    Arrow(cr, 106, 94, 52, 94, 16, arrow);
    draw::Text(cr, "Click a Vlim,", 80, 116, Ink(12));
    draw::Text(cr, "then a neighbour,", 80, 131, Ink(12));
    draw::Text(cr, "even diagonally.", 80, 146, Ink(12));
}

void PicturePainter::StartHelpTurn(Canvas& canvas) {
    HelpCard(canvas, "Turn!");
    cairo_t* cr = canvas.Context();
    const double cx = 80;
    const double cy = 75;
    const Colour orange = Colour::Bytes(230, 110, 40);
    // A clockwise ring around the block, behind the Vlims, with two heads.
    cairo_arc(cr, cx, cy, 44, 0, 2 * M_PI);
    cairo_set_line_width(cr, 3);
    draw::SetColour(cr, orange);
    cairo_stroke(cr);
    for (double angle : {-M_PI / 4, 3 * M_PI / 4}) {
        const double x = cx + 44 * std::cos(angle);
        const double y = cy + 44 * std::sin(angle);
        // Clockwise on screen: the tangent turns from +x towards +y.
        const double tx = -std::sin(angle);
        const double ty = std::cos(angle);
        cairo_move_to(cr, x + 7 * tx, y + 7 * ty);
        cairo_line_to(cr, x - 3 * tx + 6 * std::cos(angle), y - 3 * ty + 6 * std::sin(angle));
        cairo_line_to(cr, x - 3 * tx - 6 * std::cos(angle), y - 3 * ty - 6 * std::sin(angle));
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    const double scale = 0.85;
    const double cell = 40 * scale;
    PaintVlim(cr, cx - cell, cy - cell, scale, Kind::Green, Mood::Standard, 0);
    PaintVlim(cr, cx, cy - cell, scale, Kind::Purple, Mood::Standard, 0);
    PaintVlim(cr, cx, cy, scale, Kind::Yellow, Mood::Standard, 0);
    PaintVlim(cr, cx - cell, cy, scale, Kind::Blue, Mood::Standard, 0);
    Canvas button(20, 20);
    ButtonPainter::Rotate(button, false);
    cairo_set_source_surface(cr, button.Surface(), cx - 10, cy - 10);
    cairo_paint(cr);
    draw::Text(cr, "Click a corner to", 80, 132, Ink(12));
    draw::Text(cr, "turn four clockwise.", 80, 147, Ink(12));
}

void PicturePainter::NoMovesLeft(Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(BackgroundPainter::WellColour(), 0.5);
    Card(canvas, Colour::Bytes(255, 130, 90), Colour::Bytes(200, 50, 70), 14);
    draw::Text(cr, "No Moves Left", 100, 25, Label(24));
}

void PicturePainter::Points(Canvas& canvas, int points) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(palette::kOutline, 0.35);
    // Warmer and brighter as the score grows.
    Colour fill = Colour::Bytes(150, 230, 255);
    if (points >= 50)
        fill = Colour::Bytes(150, 255, 150);
    if (points >= 100)
        fill = Colour::Bytes(220, 255, 110);
    if (points >= 250)
        fill = Colour::Bytes(255, 230, 80);
    if (points >= 500)
        fill = Colour::Bytes(255, 170, 60);
    if (points >= 1000)
        fill = Colour::Bytes(255, 110, 80);
    if (points >= 5000)
        fill = Colour::Bytes(255, 90, 200);
    draw::TextStyle number = Label(25, fill);
    number.outlineWidth = 2.2;
    number.shadowOffset = 0;
    draw::Text(cr, std::to_string(points), 50, 14, number);
    draw::TextStyle word = Label(11, palette::kCream);
    word.outlineWidth = 1.8;
    word.shadowOffset = 0;
    draw::Text(cr, "Points", 50, 33, word);
    if (points >= 1000) {
        draw::Sparkle(cr, 8, 10, 6, Colour{1, 1, 0.8});
        draw::Sparkle(cr, 92, 28, 6, Colour{1, 1, 0.8});
    }
}

void PicturePainter::LevelBar(Canvas& canvas, bool filled) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(palette::kOutline, 0.5);
    const double w = canvas.Width();
    const double h = canvas.Height();
    draw::RoundedRect(cr, 0, 0, w, h, 9);
    draw::SetColour(cr, palette::kOutline);
    cairo_fill(cr);
    draw::RoundedRect(cr, 2, 2, w - 4, h - 4, 7);
    if (filled) {
        cairo_pattern_t* juice = cairo_pattern_create_linear(0, h, 0, 0);
        cairo_pattern_add_color_stop_rgb(juice, 0, 0.2, 0.75, 0.45);
        cairo_pattern_add_color_stop_rgb(juice, 0.5, 0.95, 0.85, 0.2);
        cairo_pattern_add_color_stop_rgb(juice, 1, 1.0, 0.45, 0.3);
        cairo_set_source(cr, juice);
        cairo_fill(cr);
        cairo_pattern_destroy(juice);
        for (int i = 0; i < 14; ++i) {
            const double y = 20 + i * 27.5;
            cairo_arc(cr, 8 + (i % 3) * 4.5, y, 1.6 + (i % 2), 0, 2 * M_PI);
            draw::SetColour(cr, Colour{1, 1, 1}, 0.45);
            cairo_fill(cr);
        }
    } else {
        draw::FillVertical(cr, 2, h - 2, Colour::Bytes(34, 44, 78), Colour::Bytes(24, 32, 58));
    }
    // Glass: a highlight stripe on the left, a shade on the right.
    cairo_rectangle(cr, 5, 6, 4, h - 12);
    draw::SetColour(cr, Colour{1, 1, 1}, filled ? 0.35 : 0.12);
    cairo_fill(cr);
    cairo_rectangle(cr, w - 7, 6, 3, h - 12);
    draw::SetColour(cr, palette::kOutline, 0.25);
    cairo_fill(cr);
    // Marks at every tenth of the way.
    for (int i = 1; i < 10; ++i) {
        const double y = 2 + (h - 4) * i / 10.0;
        cairo_move_to(cr, w - 9, std::round(y) + 0.5);
        cairo_line_to(cr, w - 3, std::round(y) + 0.5);
    }
    cairo_set_line_width(cr, 1);
    draw::SetColour(cr, Colour{1, 1, 1}, 0.4);
    cairo_stroke(cr);
}

void PicturePainter::NameStripe(Canvas& canvas, int which) {
    cairo_t* cr = canvas.Context();
    const Colour colour = which == 1 ? Colour::Bytes(58, 46, 108) : Colour::Bytes(78, 62, 138);
    cairo_rectangle(cr, 0, 0, canvas.Width(), canvas.Height());
    draw::FillVertical(cr, 0, canvas.Height(), colour.Lighter(0.08), colour.Darker(0.08));
    cairo_move_to(cr, 0, 0.5);
    cairo_line_to(cr, canvas.Width(), 0.5);
    cairo_set_line_width(cr, 1);
    draw::SetColour(cr, Colour{1, 1, 1}, 0.12);
    cairo_stroke(cr);
}

void PicturePainter::Icon(Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(Colour::Bytes(40, 40, 60), 0.5);
    PaintVlim(cr, -1, 0, 0.85, Kind::Blue, Mood::Standard, 0);
}
