#pragma once
#include <cstdint>
#include <string>

class TempWorkDir;

// A one-colour picture (0xRRGGBB) at a game path ("Graphics\Gui\X.bmp").
void WritePicture(const TempWorkDir& dir, const std::string& gamePath, int width, int height,
                  uint32_t rgb);

// The colours of the start help and "No Moves Left" pictures below.
constexpr uint32_t kTestStartHelpRgb = 0x30C030;
constexpr uint32_t kTestStartHelp2Rgb = 0x30C0C0;
constexpr uint32_t kTestNoMovesRgb = 0xC03030;

// The built game folder, the score popups, the start help and "No Moves Left"
// in one colour each (a pixel tells what shows where), no start help.
void WritePlayAssets(const TempWorkDir& dir);
