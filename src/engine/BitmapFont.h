#pragma once
#include <array>
#include <string>

#include "engine/Image.h"

class Display;

// A font drawn from a sheet of 16 x 16 character cells and a 256-byte file of
// signed advance widths.
class BitmapFont {
  public:
    // `sheetPath` and `metricsPath` are game paths (backslashes). A missing or
    // short metrics file gives width 0 for what it did not supply and one line
    // on stderr.
    void Load(Display& display, const std::string& sheetPath, int sheetSize, int cellSize,
              const std::string& metricsPath);
    // Draws glyph `c` with its left edge at x in one colour-keyed blit and
    // returns its advance width. A glyph whose width is not positive, or whose
    // centred strip would leave the sheet, draws nothing but still advances.
    int DrawGlyph(Display& display, unsigned char c, int x, int y) const;
    int Width(unsigned char c) const { return widths_[c]; }
    int CellHeight() const { return cellHeight_; }
    int CellWidth() const { return cellWidth_; }

  private:
    void LoadMetrics(const std::string& metricsPath);

    ImagePtr sheet_;
    int sheetWidth_ = 0;
    int sheetHeight_ = 0;
    int cellHeight_ = 0;
    int cellWidth_ = 0;
    std::array<signed char, 256> widths_{};
};
