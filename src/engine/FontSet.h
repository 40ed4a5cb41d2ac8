#pragma once
#include <array>
#include <memory>

#include "engine/BitmapFont.h"

class Display;

enum TextLayout { Wrapped = 1, RightAligned = 2, Centred = 3 };

// Fonts 1 ("Times Roman 10", 16-pixel cells) and 2 ("Times Roman 16",
// 32-pixel cells), loaded at construction, and text drawn into a box.
class FontSet {
  public:
    explicit FontSet(Display& display);
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    // Unknown font ids draw nothing. Allocates nothing.
    void DrawString(Display& display, const char* text, int fontId, int left, int top, int right,
                    int bottom, TextLayout layout) const;
    // Width of the text up to its first line break; 0 for an unknown font.
    int LineWidth(const char* text, int fontId) const;
    // Line breaks plus one; 1 for an empty text.
    static int LineCount(const char* text);
    // nullptr for an empty slot or an id outside the ten slots.
    const BitmapFont* Font(int fontId) const;

  private:
    // Pen from (left, top); a line break, or a pen already past `right`,
    // starts the next line; stops once a line would start below `bottom`.
    static void DrawWrapped(Display& display, const BitmapFont& font, const char* text, int left,
                            int top, int right, int bottom);
    // Each line ends at `right` (RightAligned) or is centred between `left`
    // and `right` (Centred); neither `left` nor the bottom limits it.
    static void DrawAligned(Display& display, const BitmapFont& font, const char* text, int left,
                            int top, int right, TextLayout layout);

    std::array<std::unique_ptr<BitmapFont>, 10> fonts_{};
};
