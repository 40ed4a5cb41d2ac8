#include "support/TestAssets.h"

#include <algorithm>
#include <vector>

#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

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

void WriteSound(const TempWorkDir& dir, const std::string& gamePath) {
    dir.WriteFile(SlashPath(gamePath), PcmWav(std::vector<int16_t>(220, 1000)));
}

uint32_t TestPieceRgb(int colour) {
    static constexpr uint32_t kRgb[] = {0x3050E0, 0x30C040, 0xD03030, 0xE0D040, 0x9040C0, 0xE8E8E8};
    return colour >= 1 && colour <= 6 ? kRgb[colour - 1] : 0x808080;
}

void WritePlayAssets(const TempWorkDir& dir, uint32_t backgroundRgb) {
    WritePicture(dir, "Graphics\\Gui\\Background.bmp", 625, 440, backgroundRgb);
    WritePicture(dir, "Graphics\\Gui\\Select.bmp", 40, 40, 0xFFFF00);
    WritePicture(dir, "Graphics\\Gui\\No Moves Left.bmp", 200, 50, kTestNoMovesRgb);
    WritePicture(dir, "Graphics\\Gui\\Start Help.bmp", 160, 160, kTestStartHelpRgb);
    WritePicture(dir, "Graphics\\Gui\\Start Help 2.bmp", 160, 160, kTestStartHelp2Rgb);
    for (int points : {25, 50, 100, 250, 500, 1000, 5000})
        WritePicture(dir, "Graphics\\Gui\\" + std::to_string(points) + " Points.bmp", 100, 40,
                     0xE0E0E0);
    for (int size : {10, 16}) {
        const std::string name = "Times Roman " + std::to_string(size) + " Font";
        const int side = size == 10 ? 256 : 512;
        WritePicture(dir, "Graphics\\Gui\\" + name + ".bmp", side, side, 0xE0D060);
        dir.WriteFile("Data/" + name + " Metrics.dat", std::string(256, '\x09'));
    }
    WritePicture(dir, "Graphics\\Gui\\Rotate Button.bmp", 20, 20, 0x606060);
    WritePicture(dir, "Graphics\\Gui\\Rotate Button Pushed.bmp", 20, 20, 0x505050);
    static constexpr struct {
        const char* name;
        int emotionFrames;
    } kColours[] = {{"Blue", 4},   {"Green", 8},  {"Red", 4},
                    {"Yellow", 6}, {"Purple", 4}, {"White", 2}};
    for (int c = 0; c < 6; ++c) {
        const std::string base = std::string("Graphics\\Vlims\\") + kColours[c].name + " Vlim ";
        const uint32_t rgb = TestPieceRgb(c + 1);
        WritePicture(dir, base + "Standard 1.bmp", 40, 40, rgb);
        for (int f = 1; f <= kColours[c].emotionFrames; ++f)
            WritePicture(dir, base + "Emotion " + std::to_string(f) + ".bmp", 40, 40, rgb);
        for (int f = 1; f <= 4; ++f)
            WritePicture(dir, base + "Scared " + std::to_string(f) + ".bmp", 40, 40, rgb);
    }
    for (const char* sound : {"Click.wav", "Wand.wav", "Next Level 1.wav", "Pop.wav", "Zoh.wav",
                              "Score.wav", "Switch.wav", "Rotate.wav"})
        WriteSound(dir, std::string("Sounds\\") + sound);
    dir.WriteFile("Data/Help.dat", "5");
    dir.WriteFile("Data/Help2.dat", "5");
}
