#pragma once
#include <array>
#include <cstdint>

#include "Canvas.h"

// Pre-renders a font for the game's bitmap text: 256 character cells in a
// 16 x 16 grid on black, each glyph centred in its cell over the span of its
// advance width, and the widths that the metrics file holds.
class FontSheet {
  public:
    struct Style {
        const char* family;
        bool bold;
        double pixelSize;
        int cell;             // cell width and height in pixels
        double outlineWidth;  // 0 for a drop shadow instead of an outline
    };
    using Widths = std::array<uint8_t, 256>;

    // Characters 32 to 126 and 160 to 255 (read as Latin-1) get glyphs; the
    // control codes get width 0. The canvas must be 16 cells square.
    static Widths Paint(Canvas& canvas, const Style& style);
};
