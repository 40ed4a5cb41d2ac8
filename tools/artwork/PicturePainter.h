#pragma once
#include "Canvas.h"

// Paints the smaller pictures of the interface: the difficulty cards, the
// selection mark, the start help, the notices, the points, the level bar,
// the high-score row stripes and the window icon.
class PicturePainter {
  public:
    // 1 Easy, 2 Normal, 3 Hard; 150 x 150, the card's lowest rows clear.
    static void Difficulty(Canvas& canvas, int difficulty);
    static constexpr int kDifficultyCardHeight = 140;
    // 40 x 40: a frame whose inside is black, so the piece shows through.
    static void Select(Canvas& canvas);
    // 160 x 160: how to swap two Vlims; clear from row kSwapCardFoot down.
    static void StartHelpSwap(Canvas& canvas);
    static constexpr int kSwapCardFoot = 135;
    // 160 x 160: how to turn four Vlims, an overlay around the block at its
    // centre; `withBlock` paints the block in, for a picture of its own.
    static void StartHelpTurn(Canvas& canvas, bool withBlock = false);
    // 200 x 50.
    static void NoMovesLeft(Canvas& canvas);
    // 100 x 40 on black: the number bold, the word Points smaller.
    static void Points(Canvas& canvas, int points);
    // 25 x 400, empty or full.
    static void LevelBar(Canvas& canvas, bool filled);
    // 250 x 20, the first or second row colour.
    static void NameStripe(Canvas& canvas, int which);
    // 32 x 32: the application icon, black around its rounded corners.
    static void Icon(Canvas& canvas);
};
