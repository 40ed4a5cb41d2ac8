#pragma once
#include <string>

struct SDL_Surface;

// The picture in a BMP file at `hostPath`, as SDL's loader reads it, or null
// with the reason in SDL_GetError(). The file is read by the careful reader:
// a pipe, device or folder in its place is refused, never waited on. SDL allocates whatever size a
// file's header claims before it reads a pixel, so a damaged header could ask for gigabytes: files
// claiming more pixels than any picture the game uses are refused before that.
SDL_Surface* LoadBitmapFile(const std::string& hostPath);
