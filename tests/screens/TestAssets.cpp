#include "screens/TestAssets.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"

namespace {
void PutLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string SlashPath(std::string gamePath) {
    std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
    return gamePath;
}
}  // namespace

std::string ShortWav(uint32_t samples) {
    std::string data;
    for (uint32_t i = 0; i < samples; ++i) PutLe(data, (i % 20 < 10) ? 1000 : 0xFC18, 2);
    std::string out = "RIFF";
    PutLe(out, static_cast<uint32_t>(4 + 8 + 18 + 8 + data.size()), 4);
    out += "WAVEfmt ";
    PutLe(out, 18, 4);
    // PCM, mono, 22050 Hz, 44100 bytes a second, 2-byte blocks, 16 bits, no extra bytes.
    for (auto [value, bytes] : std::initializer_list<std::pair<uint32_t, int>>{
             {1, 2}, {1, 2}, {22050, 4}, {44100, 4}, {2, 2}, {16, 2}, {0, 2}})
        PutLe(out, value, bytes);
    out += "data";
    PutLe(out, static_cast<uint32_t>(data.size()), 4);
    return out + data;
}

void WritePicture(const TempWorkDir& dir, const std::string& gamePath, int width, int height,
                  uint32_t rgb) {
    dir.WriteFile(SlashPath(gamePath), MakeBmp(width, height, [rgb](int, int) { return rgb; }));
}

void WriteSound(const TempWorkDir& dir, const std::string& gamePath) {
    dir.WriteFile(SlashPath(gamePath), ShortWav());
}

uint32_t TestPieceRgb(int colour) {
    static constexpr uint32_t kRgb[] = {0x3050E0, 0x30C040, 0xD03030, 0xE0D040, 0x9040C0, 0xE8E8E8};
    return colour >= 1 && colour <= 6 ? kRgb[colour - 1] : 0x808080;
}

void WritePlayAssets(const TempWorkDir& dir, uint32_t backgroundRgb) {
    WritePicture(dir, "Graphics\\Gui\\Background.bmp", 625, 440, backgroundRgb);
    WritePicture(dir, "Graphics\\Gui\\Select.bmp", 40, 40, 0xFFFF00);
    WritePicture(dir, "Graphics\\Gui\\No Moves Left.bmp", 200, 50, 0x404040);
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
