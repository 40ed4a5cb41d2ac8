#pragma once
#include <cairo.h>

#include <string>

// The application icon: a cheerful Vlim on a rounded square of the play
// screen's teal, painted afresh at every size so that small icons stay crisp.
class IconPainter {
  public:
    // Paints the icon into the square from (0, 0) to (size, size).
    static void Paint(cairo_t* cr, double size);
    // Writes <folder>/<size>x<size>/vlims.png for the desktop's icon sizes,
    // with real transparency; false (each failure on stderr) when any fails.
    static bool WriteAll(const std::string& folder);
};
