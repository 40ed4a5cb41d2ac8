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

    // Unknown font ids or layouts draw nothing. Allocates nothing.
    void DrawString(Display& display, const char* text, int fontId, int left, int top, int right,
                    int bottom, int layout) const;
    // Width of the text up to its first line break; 0 for an unknown font.
    int LineWidth(const char* text, int fontId) const;
    static int LineCount(const char* text);
    const BitmapFont* Font(int fontId) const;

private:
    std::array<std::unique_ptr<BitmapFont>, 10> fonts_{};
};
