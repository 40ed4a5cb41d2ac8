#include "PicturePainter.h"

#include <cmath>
#include <string>

#include "BackgroundPainter.h"
#include "ButtonPainter.h"
#include "Drawing.h"
#include "IconPainter.h"
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

void Card(cairo_t* cr, double w, double h, const Colour& top, const Colour& bottom, double radius) {
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

const Colour kHelpTop = Colour::Bytes(255, 250, 232);
const Colour kHelpBottom = Colour::Bytes(250, 226, 190);
const Colour kHelpArrow = Colour::Bytes(230, 110, 40);

// A clockwise arc around (cx, cy) from angle `from` to `to` (radians, y
// down), outlined so that it reads over any piece, with a head at its end.
void TurnArc(cairo_t* cr, double cx, double cy, double radius, double from, double to) {
    for (const bool outline : {true, false}) {
        const double grow = outline ? 1.5 : 0;
        cairo_arc(cr, cx, cy, radius, from, to);
        cairo_set_line_width(cr, 4 + 2 * grow);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        draw::SetColour(cr, outline ? palette::kOutline : kHelpArrow.Lighter(0.15));
        cairo_stroke(cr);
        draw::ArcArrowHead(cr, cx, cy, radius, to, 9 + grow, 7 + grow, grow);
        cairo_fill(cr);
    }
}

// Ink text shrunk, if need be, to fit `width`.
void FittedInk(cairo_t* cr, const std::string& text, double cx, double cy, double width) {
    draw::TextStyle style = Ink(12);
    style.size *= std::min(1.0, width / draw::TextWidth(cr, text, style));
    draw::Text(cr, text, cx, cy, style);
}

}  // namespace

void PicturePainter::Difficulty(Canvas& canvas, int difficulty) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(Colour::Bytes(40, 30, 80), 0.5);
    static const char* const kNames[] = {"Easy", "Normal", "Hard"};
    static const Colour kTops[] = {Colour::Bytes(120, 220, 130), Colour::Bytes(110, 170, 250),
                                   Colour::Bytes(250, 120, 110)};
    const int index = difficulty - 1;
    // The score screen puts the picture on the window's bottom edge: the
    // card stops short of the picture's bottom so that it never looks cut.
    Card(cr, canvas.Width(), kDifficultyCardHeight, kTops[index], kTops[index].Darker(0.35), 16);
    draw::Text(cr, kNames[index], 75, 22, Label(24));
    switch (difficulty) {
        case 1:
            PaintVlim(cr, 39, 34, 1.8, Kind::Green, Mood::Emotion, 2);
            break;
        case 2:
            PaintVlim(cr, 12, 41, 1.5, Kind::Blue, Mood::Standard, 0);
            PaintVlim(cr, 78, 41, 1.5, Kind::Yellow, Mood::Emotion, 0);
            break;
        default:
            PaintVlim(cr, 4, 46, 1.25, Kind::Red, Mood::Standard, 0);
            PaintVlim(cr, 51, 38, 1.25, Kind::White, Mood::Standard, 0);
            PaintVlim(cr, 97, 46, 1.25, Kind::White, Mood::Emotion, 1);
            break;
    }
    Stars(cr, 75, 122, difficulty);
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
    // The card teaches the row of the first game (White, White, White, Red,
    // White on the fifth row, 5 to 45 pixels below the card's foot) and
    // leaves that row in full view: below kSwapCardFoot all is transparent
    // but for a pointer that ends above the Red.
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(BackgroundPainter::WellColour(), 0.5);
    const double foot = kSwapCardFoot - 12;
    Card(cr, canvas.Width(), foot, kHelpTop, kHelpBottom, 14);
    cairo_move_to(cr, 50, foot - 2);
    cairo_line_to(cr, 60, kSwapCardFoot - 1);
    cairo_line_to(cr, 70, foot - 2);
    cairo_close_path(cr);
    draw::SetColour(cr, palette::kOutline);
    cairo_fill(cr);
    cairo_move_to(cr, 53, foot - 3);
    cairo_line_to(cr, 60, kSwapCardFoot - 4);
    cairo_line_to(cr, 67, foot - 3);
    cairo_close_path(cr);
    draw::SetColour(cr, kHelpBottom);
    cairo_fill(cr);
    draw::Text(cr, "Swap!", 80, 15, Label(17, palette::kGold));
    // The row in small, the Red and its right-hand neighbour trading places.
    const Kind row[] = {Kind::White, Kind::White, Kind::White, Kind::Red, Kind::White};
    for (int i = 0; i < 5; ++i) PaintVlim(cr, 20 + 24 * i, 36, 0.6, row[i], Mood::Standard, 0);
    Arrow(cr, 104, 35, 128, 35, -9, kHelpArrow);
    Arrow(cr, 128, 62, 104, 62, 9, kHelpArrow);
    FittedInk(cr, "Click the Red Vlim below,", 80, 76, 148);
    FittedInk(cr, "then the White beside it:", 80, 90, 148);
    FittedInk(cr, "four in a row make a line!", 80, 104, 148);
}

void PicturePainter::StartHelpTurn(Canvas& canvas, bool withBlock) {
    // An overlay: the 2 x 2 block at the centre stays in full view, circled
    // by four arrows that each carry a Vlim one place on, clockwise; the
    // caption sits on a slim strip at the top.
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(BackgroundPainter::WellColour(), 0.5);
    const double c = canvas.Width() / 2.0;
    if (withBlock) {
        const Kind block[] = {Kind::Green, Kind::Purple, Kind::Blue, Kind::Yellow};
        for (int i = 0; i < 4; ++i)
            PaintVlim(cr, c - 40 + 40 * (i % 2), c - 40 + 40 * (i / 2), 1, block[i], Mood::Standard,
                      0);
        Canvas button(20, 20);
        ButtonPainter::Rotate(button, false);
        cairo_set_source_surface(cr, button.Surface(), c - 10, c - 10);
        cairo_paint(cr);
    }
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double middle = -M_PI / 2 + quarter * M_PI / 2;
        TurnArc(cr, c, c, 58, middle - 0.5, middle + 0.5);
    }
    draw::RoundedRect(cr, 10, 0, canvas.Width() - 20, 18, 7);
    draw::SetColour(cr, palette::kOutline);
    cairo_fill(cr);
    draw::RoundedRect(cr, 11.5, 1.5, canvas.Width() - 23, 15, 6);
    draw::FillVertical(cr, 1.5, 16.5, kHelpTop, kHelpBottom);
    FittedInk(cr, "Click a corner to turn!", c, 9.5, canvas.Width() - 30);
}

void PicturePainter::NoMovesLeft(Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    canvas.SetMatte(BackgroundPainter::WellColour(), 0.5);
    Card(cr, canvas.Width(), canvas.Height(), Colour::Bytes(255, 130, 90),
         Colour::Bytes(200, 50, 70), 14);
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
    // The window shows the same icon as the desktop.
    canvas.SetMatte(Colour::Bytes(40, 40, 60), 0.5);
    IconPainter::Paint(canvas.Context(), canvas.Width());
}
