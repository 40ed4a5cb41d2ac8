#pragma once
#include <cstdint>
#include <string>

class TempWorkDir;

// Small asset files for screen tests, in the formats the game reads.

// A short 22050 Hz 16-bit mono PCM WAV with the format chunk first.
std::string ShortWav(uint32_t samples = 220);

// Writes a one-colour picture (0xRRGGBB) / a short sound under the work dir
// at a game path ("Graphics\Gui\X.bmp").
void WritePicture(const TempWorkDir& dir, const std::string& gamePath, int width, int height,
                  uint32_t rgb);
void WriteSound(const TempWorkDir& dir, const std::string& gamePath);

// The colour a test piece of colour code 1..6 is painted in.
uint32_t TestPieceRgb(int colour);

// Everything the play screen and both game modes load: one-colour pictures
// (pieces in TestPieceRgb, the background in `backgroundRgb`), the sounds,
// and start counters high enough that no start help covers the board.
void WritePlayAssets(const TempWorkDir& dir, uint32_t backgroundRgb);
