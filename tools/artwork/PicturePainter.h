#pragma once
#include "Canvas.h"

// Paints the smaller pictures of the interface: the difficulty cards, the
// selection mark, the start help, the notices, the points, the level bar,
// the high-score row stripes and the window icon.
class PicturePainter {
  public:
    // 1 Easy, 2 Normal, 3 Hard; 150 x 150.
    static void Difficulty(Canvas& canvas, int difficulty);
    // 40 x 40: a frame whose inside is black, so the piece shows through.
    static void Select(Canvas& canvas);
    // 160 x 160: how to swap two Vlims.
    static void StartHelpSwap(Canvas& canvas);
    // 160 x 160: how to turn four Vlims.
    static void StartHelpTurn(Canvas& canvas);
    // 200 x 50.
    static void NoMovesLeft(Canvas& canvas);
    // 100 x 40 on black: the number bold, the word Points smaller.
    static void Points(Canvas& canvas, int points);
    // 25 x 400, empty or full.
    static void LevelBar(Canvas& canvas, bool filled);
    // 250 x 20, the first or second row colour.
    static void NameStripe(Canvas& canvas, int which);
    // 32 x 32: a Vlim on black.
    static void Icon(Canvas& canvas);
};
