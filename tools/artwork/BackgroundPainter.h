#pragma once
#include "Canvas.h"

// Paints the three full-window backgrounds (625 x 440), opaque everywhere.
class BackgroundPainter {
  public:
    // The play screen: the board well from (20, 20) to (420, 420) and the
    // right-hand panel with room for the level bar, buttons and texts.
    static void Play(Canvas& canvas);
    // The start screen: the title, a shelf for the four buttons at x 325-475,
    // y 100-290, and a frame for the difficulty picture at (120, 110).
    static void Startup(Canvas& canvas);
    // The score screen: two table panels (x 50-300 and 320-570 from y 55),
    // the Menu button at (375, 340) and the difficulty picture at (130, 290).
    static void Score(Canvas& canvas);

    // The colour of the board well, which the Vlims' soft edges blend into.
    static Colour WellColour();
};
