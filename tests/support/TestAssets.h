#pragma once
#include <cstdint>
#include <string>

class TempWorkDir;

// Asset files for screen tests, in the formats the game reads.

// Writes a one-colour picture (0xRRGGBB) under the work dir at a game path
// ("Graphics\Gui\X.bmp").
void WritePicture(const TempWorkDir& dir, const std::string& gamePath, int width, int height,
                  uint32_t rgb);

// The colours of the start help and "No Moves Left" pictures below.
constexpr uint32_t kTestStartHelpRgb = 0x30C030;
constexpr uint32_t kTestStartHelp2Rgb = 0x30C0C0;
constexpr uint32_t kTestNoMovesRgb = 0xC03030;

// Everything the play screen and both game modes load: the built game
// folder, with the score popups, the start help and "No Moves Left" in one
// colour each (so a test can tell by a pixel what shows where), and start
// counters high enough that no start help covers the board.
void WritePlayAssets(const TempWorkDir& dir);
