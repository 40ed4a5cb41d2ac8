#include "BackgroundPainter.h"

#include <cmath>

#include "Drawing.h"
#include "Random.h"
#include "VlimPainter.h"

namespace {

constexpr double kWidth = 625;
constexpr double kHeight = 440;

const Colour kCream = palette::kCream;

void Gradient(cairo_t* cr, const Colour& top, const Colour& bottom) {
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    draw::FillVertical(cr, 0, kHeight, top, bottom);
}

// Faint soft circles scattered over the ground, like bubbles in water.
void Bubbles(cairo_t* cr, uint32_t seed, int count, double alpha) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.Between(0, kWidth);
        const double y = random.Between(0, kHeight);
        const double r = random.Between(4, 22);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        draw::SetColour(cr, Colour{1, 1, 1}, alpha * random.Between(0.4, 1));
        cairo_fill(cr);
    }
}

// A faint diagonal lattice of small diamonds.
void Diamonds(cairo_t* cr, double spacing, double alpha) {
    for (double y = 0; y < kHeight + spacing; y += spacing) {
        for (double x = 0; x < kWidth + spacing; x += spacing) {
            const double cx = x + (int(y / spacing) % 2 ? spacing / 2 : 0);
            cairo_move_to(cr, cx, y - 3);
            cairo_line_to(cr, cx + 3, y);
            cairo_line_to(cr, cx, y + 3);
            cairo_line_to(cr, cx - 3, y);
            cairo_close_path(cr);
        }
    }
    draw::SetColour(cr, Colour{1, 1, 1}, alpha);
    cairo_fill(cr);
}

void Stars(cairo_t* cr, uint32_t seed, int count, double maxY) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.Between(0, kWidth);
        const double y = random.Between(0, maxY);
        const double r = random.Between(1.5, 4.5);
        draw::Sparkle(cr, x, y, r, Colour{1, 0.97, 0.85}, random.Between(0.25, 0.7));
    }
}

// A rounded panel a little darker than the ground, with a light edge.
void Panel(cairo_t* cr, double x, double y, double w, double h, double radius, const Colour& fill,
           double alpha) {
    // A soft drop shadow first.
    draw::RoundedRect(cr, x + 2, y + 3, w, h, radius);
    draw::SetColour(cr, palette::kOutline, 0.25);
    cairo_fill(cr);
    draw::RoundedRect(cr, x, y, w, h, radius);
    draw::SetColour(cr, fill, alpha);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    draw::SetColour(cr, Colour{1, 1, 1}, 0.22);
    cairo_stroke(cr);
}

draw::TextStyle TitleStyle(double size) {
    draw::TextStyle style;
    style.family = "Liberation Serif";
    style.size = size;
    style.fill = palette::kGold;
    style.outline = Colour::Bytes(90, 36, 20);
    style.outlineWidth = size / 16;
    style.shadowOffset = size / 18;
    style.shadow = palette::kOutline;
    style.shadowAlpha = 0.6;
    return style;
}

// The word Vlims with a lighter gradient face.
void Title(cairo_t* cr, double cx, double cy, double size) {
    draw::Text(cr, "Vlims", cx, cy, TitleStyle(size));
    // A second pass adds a warm highlight over the top half of the letters.
    draw::TextStyle shine = TitleStyle(size);
    shine.outlineWidth = 0;
    shine.shadowOffset = 0;
    shine.fill = Colour::Bytes(255, 246, 190);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kWidth, cy - size * 0.12);
    cairo_clip(cr);
    draw::Text(cr, "Vlims", cx, cy, shine);
    cairo_restore(cr);
}

void Caption(cairo_t* cr, const char* text, double cx, double cy, double size) {
    draw::TextStyle style;
    style.size = size;
    style.fill = kCream;
    style.outlineWidth = 0;
    style.shadowOffset = 1.2;
    style.shadowAlpha = 0.7;
    draw::Text(cr, text, cx, cy, style);
}

void VlimRow(cairo_t* cr, double left, double y, double gap, double scale) {
    int index = 0;
    for (VlimPainter::Kind kind : VlimPainter::kKinds) {
        // Every other one is cheering, mid-bounce.
        const bool cheering = index % 2 == 1;
        cairo_save(cr);
        cairo_translate(cr, left + gap * index, y);
        VlimPainter::Paint(cr, kind,
                           cheering ? VlimPainter::Mood::Emotion : VlimPainter::Mood::Standard,
                           cheering ? 1 : 0, scale);
        cairo_restore(cr);
        ++index;
    }
}

// A rounded hill for the creatures to stand on.
void Hill(cairo_t* cr, double top, const Colour& colour) {
    cairo_move_to(cr, 0, kHeight);
    cairo_line_to(cr, 0, top + 30);
    cairo_curve_to(cr, kWidth * 0.25, top - 10, kWidth * 0.7, top - 10, kWidth, top + 26);
    cairo_line_to(cr, kWidth, kHeight);
    cairo_close_path(cr);
    draw::FillVertical(cr, top, kHeight, colour, colour.Darker(0.45));
}

void BoardWell(cairo_t* cr) {
    const Colour well = BackgroundPainter::WellColour();
    // Raised rim and a soft shadow around the well.
    draw::RoundedRect(cr, 12, 12, 416, 416, 16);
    draw::SetColour(cr, palette::kOutline, 0.35);
    cairo_fill(cr);
    draw::RoundedRect(cr, 14, 14, 412, 412, 14);
    draw::FillVertical(cr, 14, 426, Colour::Bytes(70, 150, 170), Colour::Bytes(30, 70, 110));
    draw::RoundedRect(cr, 18, 18, 404, 404, 10);
    draw::SetColour(cr, well.Darker(0.3));
    cairo_fill(cr);
    // The cells: a gentle checkerboard with a faint grid line.
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < 10; ++col) {
            cairo_rectangle(cr, 20 + 40 * col, 20 + 40 * row, 40, 40);
            const Colour cell = (row + col) % 2 == 0 ? well : well.Lighter(0.04);
            draw::SetColour(cr, cell);
            cairo_fill(cr);
        }
    }
    cairo_set_line_width(cr, 1);
    for (int i = 1; i < 10; ++i) {
        cairo_move_to(cr, 20 + 40 * i + 0.5, 20);
        cairo_line_to(cr, 20 + 40 * i + 0.5, 420);
        cairo_move_to(cr, 20, 20 + 40 * i + 0.5);
        cairo_line_to(cr, 420, 20 + 40 * i + 0.5);
    }
    draw::SetColour(cr, Colour{1, 1, 1}, 0.06);
    cairo_stroke(cr);
    // A little light falling in from the top left.
    cairo_pattern_t* light = cairo_pattern_create_radial(80, 60, 10, 80, 60, 380);
    cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.06);
    cairo_pattern_add_color_stop_rgba(light, 1, 1, 1, 1, 0);
    cairo_set_source(cr, light);
    cairo_rectangle(cr, 20, 20, 400, 400);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
}

}  // namespace

Colour BackgroundPainter::WellColour() {
    return Colour::Bytes(22, 50, 76);
}

void BackgroundPainter::Play(Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    Gradient(cr, Colour::Bytes(22, 104, 120), Colour::Bytes(18, 32, 78));
    Diamonds(cr, 24, 0.045);
    Bubbles(cr, 5, 26, 0.05);
    BoardWell(cr);
    // The panel: a card behind the buttons and a slot for the level bar.
    Panel(cr, 454, 12, 164, 416, 14, Colour::Bytes(12, 30, 60), 0.45);
    draw::RoundedRect(cr, 422, 16, 31, 408, 8);
    draw::SetColour(cr, palette::kOutline, 0.55);
    cairo_fill(cr);
    Title(cr, 536, 52, 44);
    // The read-out behind the level and score texts.
    draw::RoundedRect(cr, 462, 278, 146, 46, 8);
    draw::SetColour(cr, Colour::Bytes(8, 16, 40), 0.55);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    draw::SetColour(cr, Colour{1, 1, 1}, 0.18);
    cairo_stroke(cr);
}

void BackgroundPainter::Startup(Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    Gradient(cr, Colour::Bytes(44, 34, 104), Colour::Bytes(226, 120, 96));
    Stars(cr, 3, 40, 200);
    Bubbles(cr, 9, 14, 0.04);
    Hill(cr, 330, Colour::Bytes(96, 70, 140));
    Title(cr, 312, 50, 78);
    // The shelf behind the buttons and the frame of the difficulty picture.
    Panel(cr, 313, 88, 174, 214, 16, Colour::Bytes(30, 20, 70), 0.45);
    Panel(cr, 108, 98, 174, 174, 18, Colour::Bytes(30, 20, 70), 0.45);
    Caption(cr, "Click to change difficulty", 195, 287, 12);
    VlimRow(cr, 92, 338, 75, 1.35);
}

void BackgroundPainter::Score(Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    Gradient(cr, Colour::Bytes(38, 28, 92), Colour::Bytes(168, 80, 120));
    Stars(cr, 17, 30, 440);
    draw::TextStyle title = TitleStyle(34);
    draw::Text(cr, "High Scores", 312, 26, title);
    Panel(cr, 42, 50, 266, 238, 12, Colour::Bytes(20, 14, 50), 0.55);
    Panel(cr, 312, 50, 266, 238, 12, Colour::Bytes(20, 14, 50), 0.55);
    // The line under each table's heading.
    for (double left : {50.0, 320.0}) {
        cairo_move_to(cr, left, 75.5);
        cairo_line_to(cr, left + 250, 75.5);
    }
    cairo_set_line_width(cr, 1);
    draw::SetColour(cr, palette::kGold, 0.6);
    cairo_stroke(cr);
    Panel(cr, 124, 284, 162, 170, 20, Colour::Bytes(20, 14, 50), 0.45);
    // The caption points back at the difficulty picture on its left.
    Caption(cr, "Click the picture to change difficulty", 410, 318, 11);
    cairo_move_to(cr, 296, 318);
    cairo_line_to(cr, 306, 311);
    cairo_line_to(cr, 306, 325);
    cairo_close_path(cr);
    draw::SetColour(cr, palette::kCream);
    cairo_fill(cr);
    Panel(cr, 365, 332, 170, 56, 14, Colour::Bytes(20, 14, 50), 0.45);
}
