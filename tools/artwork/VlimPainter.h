#pragma once
#include <cairo.h>

#include <string>

#include "Colour.h"

// Paints the Vlims, the six creatures on the board. Each colour has its own
// silhouette so that players who cannot tell the colours apart still can
// tell the pieces apart: Blue a drop, Green a sprouting blob, Red a spiky
// star, Yellow a rounded square, Purple an onion dome, White a ghost.
class VlimPainter {
  public:
    enum class Kind { Blue, Green, Red, Yellow, Purple, White };
    enum class Mood { Standard, Emotion, Scared };

    static constexpr Kind kKinds[] = {Kind::Blue,   Kind::Green,  Kind::Red,
                                      Kind::Yellow, Kind::Purple, Kind::White};

    static std::string Name(Kind kind);
    static Colour BodyColour(Kind kind);
    // How many frames the game loads for a mood of a colour.
    static int FrameCount(Kind kind, Mood mood);

    // Paints frame `frame` (0-based) of the mood into the 40 x 40 square
    // whose top-left corner is the current origin, scaled by `scale`.
    static void Paint(cairo_t* cr, Kind kind, Mood mood, int frame, double scale = 1.0);
};
