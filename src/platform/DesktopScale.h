#pragma once

// How much the desktop enlarges what programs show, as the whole factor the
// game draws at (see PixelScale). Asked once, when the game's window is made.
class DesktopScale {
  public:
    // The factor for a window of `width` x `height` game pixels on the
    // primary display (where the game's window opens), once SDL video runs,
    // in this order: VLIMS_SCALE (1 to 4; any other
    // value is named on stderr and ignored), then on X the Xft.dpi resource,
    // on Windows the monitor's DPI, and else GDK_SCALE or QT_SCALE_FACTOR.
    // Never one whose window would not fit the display's usable area.
    static int Choose(int width, int height);
};
