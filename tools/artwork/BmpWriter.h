#pragma once
#include <string>

class Canvas;

// Writes canvases as 24-bit uncompressed Windows bitmaps (bottom-up rows,
// each padded to four bytes), the format SDL_LoadBMP and the game read.
class BmpWriter {
  public:
    static std::string Encode(const Canvas& canvas);
};
