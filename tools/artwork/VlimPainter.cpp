#include "VlimPainter.h"

#include <cmath>

#include "Drawing.h"

namespace {

using Kind = VlimPainter::Kind;
using Mood = VlimPainter::Mood;

// The pose of one frame: where the body stands and how it is squashed, and
// what the face shows.
struct Pose {
    double shiftX = 0;  // pixels, for the scared tremble
    double lift = 0;    // pixels above the ground, for the bounce
    double stretchX = 1;
    double stretchY = 1;
    enum class Eyes { Open, Happy, Wide } eyes = Eyes::Open;
    enum class Mouth { Smile, Grin, Gasp } mouth = Mouth::Smile;
    double lookX = 0;  // pupil offset in body units
    double lookY = 0;
    bool blush = false;
    bool sweat = false;
    double sway = 0;      // -1 to 1, for the sprout and the ghost's tail
    bool waving = false;  // a little hand raised beside the body
};

constexpr double kCentreX = 20;
// The body stands on y = 38.5 and is 2 units tall; crowns, tips and the
// bounce stay inside the 40 x 40 picture (nothing above 1.1 units).
constexpr double kGround = 38.5;
constexpr double kUnit = 16.5;  // half the body's size in pixels

Pose EmotionPose(Kind kind, int frame, int count) {
    Pose pose;
    const double phase = double(frame) / count;
    const double wave = std::sin(2 * M_PI * phase);
    // Up and down once per loop, squashed at the bottom and stretched at the top.
    const double height = 0.5 - 0.5 * std::cos(2 * M_PI * phase);
    pose.lift = 2 * height;
    pose.stretchY = 0.93 + 0.1 * height;
    pose.stretchX = 1.06 - 0.08 * height;
    pose.mouth = Pose::Mouth::Grin;
    pose.blush = true;
    pose.sway = wave;
    pose.waving = true;
    // The happy squint comes when the Vlim is up in the air (a blink on
    // longer loops), eyes open and sparkling otherwise.
    pose.eyes = height > 0.7 ? Pose::Eyes::Happy : Pose::Eyes::Open;
    pose.lookY = -0.04;
    if (kind == Kind::White) {
        // Two frames: a float up with a squint and back down with a smile.
        pose.lift = frame == 0 ? 0 : 2;
        pose.stretchY = frame == 0 ? 0.95 : 1.03;
        pose.stretchX = frame == 0 ? 1.04 : 0.97;
        pose.eyes = frame == 0 ? Pose::Eyes::Open : Pose::Eyes::Happy;
        pose.sway = frame == 0 ? -1 : 1;
    }
    return pose;
}

Pose ScaredPose(int frame) {
    Pose pose;
    static const double kTremble[] = {-1, 1, 0, 1};
    static const double kGlance[] = {-0.05, 0.05, -0.05, 0.05};
    pose.shiftX = kTremble[frame % 4];
    pose.lift = frame % 2 == 0 ? 0 : 0.5;
    pose.stretchX = 0.96;
    pose.stretchY = 0.97;
    pose.eyes = Pose::Eyes::Wide;
    pose.mouth = Pose::Mouth::Gasp;
    pose.lookX = kGlance[frame % 4];
    pose.sweat = true;
    pose.sway = frame % 2 == 0 ? -0.5 : 0.5;
    return pose;
}

Pose MakePose(Kind kind, Mood mood, int frame) {
    switch (mood) {
        case Mood::Emotion:
            return EmotionPose(kind, frame, VlimPainter::FrameCount(kind, mood));
        case Mood::Scared:
            return ScaredPose(frame);
        case Mood::Standard:
            break;
    }
    return Pose{};
}

// Body outlines in body units: x from -1 to 1, y from -1 (top) to 1 (ground).
void DropPath(cairo_t* cr) {
    cairo_move_to(cr, 0, -1.08);
    cairo_curve_to(cr, 0.28, -0.7, 0.95, -0.28, 0.95, 0.3);
    cairo_curve_to(cr, 0.95, 0.72, 0.55, 1, 0, 1);
    cairo_curve_to(cr, -0.55, 1, -0.95, 0.72, -0.95, 0.3);
    cairo_curve_to(cr, -0.95, -0.28, -0.28, -0.7, 0, -1.08);
    cairo_close_path(cr);
}

// A low, wide mound with a flat base: the sprout on top makes up its height.
void MoundPath(cairo_t* cr) {
    cairo_move_to(cr, -1.04, 0.72);
    cairo_curve_to(cr, -1.04, -0.16, -0.62, -0.58, 0, -0.58);
    cairo_curve_to(cr, 0.62, -0.58, 1.04, -0.16, 1.04, 0.72);
    cairo_curve_to(cr, 1.04, 0.94, 0.92, 1, 0.74, 1);
    cairo_line_to(cr, -0.74, 1);
    cairo_curve_to(cr, -0.92, 1, -1.04, 0.94, -1.04, 0.72);
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr) {
    constexpr int kPoints = 120;
    constexpr int kSpikes = 7;
    for (int i = 0; i <= kPoints; ++i) {
        const double angle = 2 * M_PI * i / kPoints - M_PI / 2;
        // A soft bump per spike, flattened near the ground so the star stands.
        const double bump = std::pow(0.5 + 0.5 * std::cos(kSpikes * (angle + M_PI / 2)), 2.2);
        const double radius = 0.74 + 0.3 * bump;
        const double x = radius * std::cos(angle);
        const double y = std::min(radius * std::sin(angle) * 0.98 + 0.05, 1.0);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void SquarePath(cairo_t* cr) {
    draw::RoundedRect(cr, -1, -0.86, 2, 1.86, 0.34);
}

// A bell: a round head, slim waist, flaring out to a wide rim with a lip.
void BellPath(cairo_t* cr) {
    cairo_move_to(cr, 0, -0.98);
    cairo_curve_to(cr, 0.36, -0.98, 0.54, -0.72, 0.54, -0.38);
    cairo_curve_to(cr, 0.54, 0.1, 0.8, 0.5, 0.9, 0.7);
    cairo_curve_to(cr, 1.06, 0.72, 1.08, 0.8, 1.08, 0.88);
    cairo_curve_to(cr, 1.08, 0.98, 1.02, 1, 0.9, 1);
    cairo_line_to(cr, -0.9, 1);
    cairo_curve_to(cr, -1.02, 1, -1.08, 0.98, -1.08, 0.88);
    cairo_curve_to(cr, -1.08, 0.8, -1.06, 0.72, -0.9, 0.7);
    cairo_curve_to(cr, -0.8, 0.5, -0.54, 0.1, -0.54, -0.38);
    cairo_curve_to(cr, -0.54, -0.72, -0.36, -0.98, 0, -0.98);
    cairo_close_path(cr);
}

void GhostPath(cairo_t* cr, double sway) {
    cairo_move_to(cr, -0.84, 0.1);
    cairo_curve_to(cr, -0.84, -0.66, -0.46, -1.02, 0, -1.02);
    cairo_curve_to(cr, 0.46, -1.02, 0.84, -0.66, 0.84, 0.1);
    // A hem of three pointed tails, swinging a little with the sway.
    const double s = 0.1 * sway;
    cairo_line_to(cr, 0.86 + s, 1);
    cairo_curve_to(cr, 0.7 + s, 0.76, 0.58 + s, 0.64, 0.42 + s, 0.62);
    cairo_curve_to(cr, 0.3 + s, 0.7, 0.16 + s, 0.86, s, 1);
    cairo_curve_to(cr, -0.16 + s, 0.86, -0.3 + s, 0.7, -0.42 + s, 0.62);
    cairo_curve_to(cr, -0.58 + s, 0.64, -0.7 + s, 0.76, -0.86 + s, 1);
    cairo_line_to(cr, -0.84, 0.1);
    cairo_close_path(cr);
}

void BodyPath(cairo_t* cr, Kind kind, const Pose& pose) {
    switch (kind) {
        case Kind::Blue:
            DropPath(cr);
            break;
        case Kind::Green:
            MoundPath(cr);
            break;
        case Kind::Red:
            StarPath(cr);
            break;
        case Kind::Yellow:
            SquarePath(cr);
            break;
        case Kind::Purple:
            BellPath(cr);
            break;
        case Kind::White:
            GhostPath(cr, pose.sway);
            break;
    }
}

// Strokes the current path with a line width in pixels of the 40 x 40 picture.
void StrokePixels(cairo_t* cr, double width, const Colour& colour, bool preserve = false) {
    cairo_save(cr);
    cairo_set_line_width(cr, width / kUnit);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    draw::SetColour(cr, colour);
    if (preserve) {
        cairo_stroke_preserve(cr);
    } else {
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void ShadeBody(cairo_t* cr, const Colour& base) {
    cairo_pattern_t* shade = cairo_pattern_create_radial(-0.35, -0.45, 0.05, -0.1, -0.1, 1.35);
    const Colour light = base.Lighter(0.55);
    const Colour dark = base.Darker(0.28);
    cairo_pattern_add_color_stop_rgb(shade, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(shade, 0.45, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
}

// The highlight, kept inside the body however narrow its top is.
void Gloss(cairo_t* cr, Kind kind, const Pose& pose) {
    cairo_save(cr);
    BodyPath(cr, kind, pose);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, kind == Kind::Purple ? -0.26 : -0.45, kind == Kind::Green ? -0.2 : -0.42);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, 0.22, 0.12);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    draw::SetColour(cr, Colour{1, 1, 1}, 0.75);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Markings beyond the outline: the sprout's leaves, the dome's knob.
void Crown(cairo_t* cr, Kind kind, const Pose& pose, const Colour& base, const Colour& rim) {
    if (kind == Kind::Green) {
        const double tilt = 0.12 * pose.sway;
        cairo_save(cr);
        cairo_translate(cr, 0.02, -0.4);
        cairo_scale(cr, 1.1, 1.0);
        cairo_rotate(cr, tilt);
        cairo_move_to(cr, 0, 0.05);
        cairo_curve_to(cr, 0, -0.2, 0.02, -0.3, 0.05, -0.38);
        StrokePixels(cr, 1.6, rim);
        const Colour leaf = Colour::Bytes(120, 220, 80);
        for (int side : {-1, 1}) {
            cairo_move_to(cr, 0.04, -0.34);
            cairo_curve_to(cr, 0.2 * side, -0.68, 0.55 * side, -0.6, 0.62 * side, -0.42);
            cairo_curve_to(cr, 0.45 * side, -0.2, 0.15 * side, -0.2, 0.04, -0.34);
            cairo_close_path(cr);
            draw::SetColour(cr, leaf.Lighter(side < 0 ? 0.2 : 0.0));
            cairo_fill_preserve(cr);
            StrokePixels(cr, 1.0, rim);
        }
        cairo_restore(cr);
    }
    if (kind == Kind::Purple) {
        cairo_arc(cr, 0, -1.04, 0.12, 0, 2 * M_PI);
        draw::SetColour(cr, base.Lighter(0.5));
        cairo_fill_preserve(cr);
        StrokePixels(cr, 1.0, rim);
    }
    if (kind == Kind::Yellow) {
        // A little antenna with a bobble.
        cairo_move_to(cr, 0.25, -0.84);
        cairo_curve_to(cr, 0.28, -0.96, 0.38 + 0.05 * pose.sway, -0.98, 0.42 + 0.08 * pose.sway,
                       -1.0);
        StrokePixels(cr, 1.4, rim);
        cairo_arc(cr, 0.42 + 0.08 * pose.sway, -1.0, 0.1, 0, 2 * M_PI);
        draw::SetColour(cr, Colour::Bytes(255, 140, 60));
        cairo_fill(cr);
    }
}

// A stubby hand that pokes out from behind the body's upper right and
// waves to and fro with the sway.
void Hand(cairo_t* cr, const Pose& pose, const Colour& base, const Colour& rim) {
    cairo_save(cr);
    cairo_translate(cr, 0.6, -0.05);
    cairo_rotate(cr, -0.95 + 0.5 * pose.sway);
    cairo_translate(cr, 0.42, 0);
    cairo_scale(cr, 0.3, 0.2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    draw::SetColour(cr, base.Lighter(0.1));
    cairo_fill_preserve(cr);
    StrokePixels(cr, 1.2, rim);
}

void Eye(cairo_t* cr, double x, double y, const Pose& pose, const Colour& rim) {
    const Colour ink = palette::kInk;
    switch (pose.eyes) {
        case Pose::Eyes::Happy:
            // A closed, smiling eye: an upturned arc.
            cairo_move_to(cr, x - 0.17, y + 0.06);
            cairo_curve_to(cr, x - 0.1, y - 0.14, x + 0.1, y - 0.14, x + 0.17, y + 0.06);
            StrokePixels(cr, 1.8, ink);
            return;
        case Pose::Eyes::Open:
        case Pose::Eyes::Wide:
            break;
    }
    const bool wide = pose.eyes == Pose::Eyes::Wide;
    const double rx = wide ? 0.24 : 0.2;
    const double ry = wide ? 0.3 : 0.26;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    draw::SetColour(cr, Colour{1, 1, 1});
    cairo_fill_preserve(cr);
    StrokePixels(cr, 0.9, rim.Darker(0.35));
    const double pupil = wide ? 0.085 : 0.14;
    const double px = x + pose.lookX + (wide ? 0 : 0.03);
    const double py = y + pose.lookY + (wide ? 0 : 0.05);
    cairo_arc(cr, px, py, pupil, 0, 2 * M_PI);
    draw::SetColour(cr, ink);
    cairo_fill(cr);
    if (!wide) {
        cairo_arc(cr, px - 0.05, py - 0.06, 0.055, 0, 2 * M_PI);
        draw::SetColour(cr, Colour{1, 1, 1});
        cairo_fill(cr);
    }
}

void Brows(cairo_t* cr, double eyeY) {
    for (int side : {-1, 1}) {
        // Raised and slanted up towards the middle: worried.
        cairo_move_to(cr, side * 0.5, eyeY - 0.36);
        cairo_line_to(cr, side * 0.2, eyeY - 0.46);
        StrokePixels(cr, 1.3, palette::kInk);
    }
}

void Mouth(cairo_t* cr, const Pose& pose, double y) {
    const Colour ink = palette::kInk;
    switch (pose.mouth) {
        case Pose::Mouth::Smile:
            cairo_move_to(cr, -0.2, y);
            cairo_curve_to(cr, -0.1, y + 0.14, 0.1, y + 0.14, 0.2, y);
            StrokePixels(cr, 1.4, ink);
            break;
        case Pose::Mouth::Grin:
            cairo_move_to(cr, -0.26, y - 0.04);
            cairo_curve_to(cr, -0.2, y + 0.3, 0.2, y + 0.3, 0.26, y - 0.04);
            cairo_close_path(cr);
            draw::SetColour(cr, Colour::Bytes(110, 30, 50));
            cairo_fill_preserve(cr);
            StrokePixels(cr, 1.0, ink);
            // The tongue.
            cairo_save(cr);
            cairo_translate(cr, 0, y + 0.15);
            cairo_scale(cr, 0.11, 0.06);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            draw::SetColour(cr, Colour::Bytes(255, 120, 140));
            cairo_fill(cr);
            break;
        case Pose::Mouth::Gasp:
            cairo_save(cr);
            cairo_translate(cr, 0, y + 0.06);
            cairo_scale(cr, 0.1, 0.14);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            draw::SetColour(cr, Colour::Bytes(90, 24, 44));
            cairo_fill_preserve(cr);
            StrokePixels(cr, 1.0, ink);
            break;
    }
}

void Cheeks(cairo_t* cr, double y) {
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, side * 0.58, y);
        cairo_scale(cr, 0.15, 0.09);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        draw::SetColour(cr, Colour::Bytes(255, 110, 130), 0.7);
        cairo_fill(cr);
    }
}

void SweatDrop(cairo_t* cr, double side) {
    const double x = 0.78 * side;
    const double y = -0.45;
    cairo_move_to(cr, x, y - 0.2);
    cairo_curve_to(cr, x + 0.05, y - 0.08, x + 0.12, y, x + 0.12, y + 0.06);
    cairo_curve_to(cr, x + 0.12, y + 0.16, x - 0.12, y + 0.16, x - 0.12, y + 0.06);
    cairo_curve_to(cr, x - 0.12, y, x - 0.05, y - 0.08, x, y - 0.2);
    cairo_close_path(cr);
    draw::SetColour(cr, Colour::Bytes(150, 220, 255));
    cairo_fill_preserve(cr);
    StrokePixels(cr, 0.8, Colour::Bytes(40, 90, 160));
}

void Face(cairo_t* cr, Kind kind, const Pose& pose, const Colour& rim) {
    // The drop is narrow at the top, the bell's head too narrow for the
    // whole face and the mound low: their faces sit lower.
    double eyeY = 0.0;
    if (kind == Kind::Blue)
        eyeY = 0.12;
    if (kind == Kind::Purple || kind == Kind::Green)
        eyeY = 0.26;
    const double mouthY = eyeY + 0.36;
    for (int side : {-1, 1}) Eye(cr, side * 0.36, eyeY, pose, rim);
    if (pose.eyes == Pose::Eyes::Wide)
        Brows(cr, eyeY);
    if (pose.blush)
        Cheeks(cr, eyeY + 0.28);
    Mouth(cr, pose, mouthY);
    if (pose.sweat)
        SweatDrop(cr, pose.sway < 0 ? -1.0 : 1.0);
}

// A hinted or selected piece must catch the eye on a full board: a glowing
// halo with a bright ring behind it, flashing between gold and orange.
void Alarm(cairo_t* cr, int frame) {
    const bool gold = frame % 2 == 0;
    const Colour glow = gold ? Colour::Bytes(255, 214, 60) : Colour::Bytes(255, 136, 48);
    cairo_pattern_t* halo = cairo_pattern_create_radial(20, 20.5, 6, 20, 20.5, 20);
    cairo_pattern_add_color_stop_rgba(halo, 0, glow.r, glow.g, glow.b, 1);
    cairo_pattern_add_color_stop_rgba(halo, 0.8, glow.r, glow.g, glow.b, 0.85);
    cairo_pattern_add_color_stop_rgba(halo, 1, glow.r, glow.g, glow.b, 0);
    cairo_arc(cr, 20, 20.5, 20, 0, 2 * M_PI);
    cairo_set_source(cr, halo);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    cairo_arc(cr, 20, 20.5, 17.8, 0, 2 * M_PI);
    cairo_set_line_width(cr, 2);
    draw::SetColour(cr, gold ? Colour{1, 1, 1} : Colour::Bytes(255, 240, 120));
    cairo_stroke(cr);
}

}  // namespace

std::string VlimPainter::Name(Kind kind) {
    static const char* const kNames[] = {"Blue", "Green", "Red", "Yellow", "Purple", "White"};
    return kNames[int(kind)];
}

Colour VlimPainter::BodyColour(Kind kind) {
    static const Colour kColours[] = {
        Colour::Bytes(64, 140, 245), Colour::Bytes(80, 196, 84),  Colour::Bytes(238, 64, 64),
        Colour::Bytes(255, 208, 48), Colour::Bytes(168, 92, 228), Colour::Bytes(238, 242, 250),
    };
    return kColours[int(kind)];
}

int VlimPainter::FrameCount(Kind kind, Mood mood) {
    static const int kEmotionFrames[] = {4, 8, 4, 6, 4, 2};
    switch (mood) {
        case Mood::Standard:
            return 1;
        case Mood::Emotion:
            return kEmotionFrames[int(kind)];
        case Mood::Scared:
            return 4;
    }
    return 1;
}

void VlimPainter::Paint(cairo_t* cr, Kind kind, Mood mood, int frame, double scale) {
    const Pose pose = MakePose(kind, mood, frame);
    const Colour base = BodyColour(kind);
    // The rim is a deep shade of the body colour; White's is a cool grey-blue.
    const Colour rim = kind == Kind::White ? Colour::Bytes(92, 104, 150)
                                           : base.Darker(0.55).Mix(palette::kInk, 0.2);
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    if (mood == Mood::Scared)
        Alarm(cr, frame);
    cairo_translate(cr, kCentreX + pose.shiftX, kGround - pose.lift);
    cairo_scale(cr, kUnit * pose.stretchX, kUnit * pose.stretchY);
    cairo_translate(cr, 0, -1);
    Crown(cr, kind, pose, base, rim);
    if (pose.waving)
        Hand(cr, pose, base, rim);
    BodyPath(cr, kind, pose);
    ShadeBody(cr, base);
    StrokePixels(cr, 1.4, rim);
    Gloss(cr, kind, pose);
    Face(cr, kind, pose, rim);
    cairo_restore(cr);
}
