#pragma once
#include <string>

#include "Canvas.h"
#include "Colour.h"

// Paints the push buttons. Both pictures of a button cover exactly the same
// pixels (the game draws one over the other without repainting), and the
// pushed one looks pressed: its face sunk two pixels, its lip gone, darker
// (or lit, for a button whose pushed state marks a choice).
class ButtonPainter {
  public:
    // A labelled button filling the canvas.
    static void Labelled(Canvas& canvas, const std::string& label, const Colour& base, bool pushed,
                         double fontSize);
    // One of a pair of buttons that marks the choice in force by staying
    // pushed: selected, it is lit, with a tick before its label.
    static void Choice(Canvas& canvas, const std::string& label, const Colour& base, bool selected,
                       double fontSize);
    // The hint button: a magic wand above the word Hint.
    static void Hint(Canvas& canvas, bool pushed);
    // The small round turn arrow on the board's inner corners, black around.
    static void Rotate(Canvas& canvas, bool pushed);

    // The colours of the menu and panel buttons.
    static Colour Green() { return Colour::Bytes(64, 178, 92); }
    static Colour Blue() { return Colour::Bytes(58, 126, 222); }
    static Colour Purple() { return Colour::Bytes(146, 86, 210); }
    static Colour Teal() { return Colour::Bytes(28, 160, 170); }
    static Colour Orange() { return Colour::Bytes(236, 132, 40); }
    static Colour Red() { return Colour::Bytes(214, 66, 72); }
};
