#pragma once
#include <cairo.h>

#include <string>

#include "Colour.h"

// Small drawing helpers shared by the painters.
namespace draw {

void SetColour(cairo_t* cr, const Colour& colour, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// Fills the current path with a top-to-bottom gradient between y0 and y1.
void FillVertical(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom,
                  bool preserve = false);

struct TextStyle {
    const char* family = "Liberation Sans";
    bool bold = true;
    double size = 16;
    Colour fill = palette::kCream;
    Colour outline = palette::kOutline;
    double outlineWidth = 0;  // 0: no outline
    double shadowOffset = 0;  // 0: no drop shadow
    Colour shadow = palette::kOutline;
    double shadowAlpha = 0.8;
};

enum class Align { Left, Centre, Right };

double TextWidth(cairo_t* cr, const std::string& text, const TextStyle& style);
// Draws text whose capital letters are vertically centred on `centreY`;
// x is the left edge, the centre or the right edge as `align` says.
void Text(cairo_t* cr, const std::string& text, double x, double centreY, const TextStyle& style,
          Align align = Align::Centre);
// Paths (does not fill) the head of an arrow running clockwise along the
// circle (cx, cy, radius) and ending at `angle`: its tip `forward` ahead of
// the arc's end along the tangent, its base `side` either side of the arc
// and `back` behind its end.
void ArcArrowHead(cairo_t* cr, double cx, double cy, double radius, double angle, double forward,
                  double side, double back);
// A four-pointed twinkle star.
void Sparkle(cairo_t* cr, double cx, double cy, double radius, const Colour& colour,
             double alpha = 1.0);

}  // namespace draw
