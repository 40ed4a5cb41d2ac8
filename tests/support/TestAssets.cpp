#include "support/TestAssets.h"

#include <algorithm>

#include "robust/HeadlessGame.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"

namespace {
std::string SlashPath(std::string gamePath) {
    std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
    return gamePath;
}
}  // namespace

void WritePicture(const TempWorkDir& dir, const std::string& gamePath, int width, int height,
                  uint32_t rgb) {
    dir.WriteFile(SlashPath(gamePath), MakeBmp(width, height, [rgb](int, int) { return rgb; }));
}

void WritePlayAssets(const TempWorkDir& dir) {
    HeadlessGame::CopyGameFolder();
    WritePicture(dir, "Graphics\\Gui\\No Moves Left.bmp", 200, 50, kTestNoMovesRgb);
    WritePicture(dir, "Graphics\\Gui\\Start Help.bmp", 160, 160, kTestStartHelpRgb);
    WritePicture(dir, "Graphics\\Gui\\Start Help 2.bmp", 160, 160, kTestStartHelp2Rgb);
    for (int points : {25, 50, 100, 250, 500, 1000, 5000})
        WritePicture(dir, "Graphics\\Gui\\" + std::to_string(points) + " Points.bmp", 100, 40,
                     0xE0E0E0);
    dir.WriteFile("Data/Help.dat", "5");
    dir.WriteFile("Data/Help2.dat", "5");
}
