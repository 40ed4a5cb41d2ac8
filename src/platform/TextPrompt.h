#pragma once
#include <string>

// What a modal text prompt shows: the caption, the static text above the
// edit box, and the font its text is drawn with (the game's names of a font
// sheet of 16 x 16 cells and its 256-byte width file).
struct TextPrompt {
    std::string caption;
    std::string message;
    std::string fontSheet;
    std::string fontMetrics;
    int fontCellSize = 16;
};

// How a prompt was closed. `text` is the edit box's text in Latin-1.
struct PromptAnswer {
    bool accepted = false;
    std::string text;
};
