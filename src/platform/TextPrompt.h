#pragma once
#include <string>

// What a modal prompt shows: the caption, the static text above the edit
// box, and the font its text is drawn with (the game's names of a font sheet
// of 16 x 16 cells and its 256-byte width file). Without `askForText` it is a
// message box: the text and one OK button.
struct TextPrompt {
    std::string caption;
    std::string message;
    std::string fontSheet;
    std::string fontMetrics;
    int fontCellSize = 16;
    bool askForText = true;
};

// How a prompt was closed. `text` is the edit box's text in Latin-1 (on
// Cancel too). `quit`: a request to quit the game closed it; the request is
// handed on to the main loop.
struct PromptAnswer {
    bool accepted = false;
    std::string text;
    bool quit = false;
};
