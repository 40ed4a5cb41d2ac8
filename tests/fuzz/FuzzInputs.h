#pragma once
// What each fuzz target does with one input, shared by the libFuzzer targets
// (tests/fuzz/fuzz_*.cpp) and the ordinary test that replays the kept
// regression inputs (tests/robust/FuzzRegressionTest.cpp). Each function
// feeds the bytes to the game's own reader the way the game meets them and
// returns false when a property every reader must keep is broken; crashes and
// sanitizer reports speak for themselves.
//
// The file-based inputs (font metrics, bitmaps) are written into the current
// working directory under the game's own names; callers run them inside a
// scratch directory.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/BitmapFont.h"
#include "engine/Display.h"
#include "engine/WavReader.h"
#include "modes/HelpCounter.h"
#include "modes/SavedGame.h"
#include "platform/FileIo.h"
#include "platform/HostPath.h"
#include "platform/TextMode.h"
#include "screens/HighScoreTable.h"
#include "support/BmpWriter.h"

namespace fuzz {

inline void PutFile(const std::string& gamePath, const std::string& bytes) {
    std::filesystem::path path = HostPath(gamePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A decoded saved game is one the game can play on, and writing it back
// gives the file's first 416 bytes exactly.
inline bool SavedGameInput(const std::string& bytes) {
    std::optional<SavedGame> game = SavedGame::Decode(bytes);
    if (!game)
        return true;
    const bool colours = std::all_of(game->colours.begin(), game->colours.end(),
                                     [](int32_t colour) { return colour >= 1 && colour <= 6; });
    return (game->variant == 0 || game->variant == 1) && game->difficulty >= 1 &&
           game->difficulty <= 3 && game->level >= 1 && game->totalScore >= 0 && colours &&
           game->Encode() == bytes.substr(0, SavedGame::kFileSize);
}

// Any bytes load into a table whose names all end inside their field, and
// the table then survives its own save and load unchanged. The line-end
// translation itself must round-trip any stream.
inline bool HighScoresInput(const std::string& bytes) {
    if (FromTextMode(ToTextMode(bytes)) != bytes)
        return false;
    HighScoreTable table;
    table.Decode(bytes);
    HighScoreTable again;
    again.Decode(table.Encode());
    for (GameVariant variant : kAllVariants) {
        for (Difficulty difficulty : kAllDifficulties) {
            for (int rank = 0; rank < HighScoreTable::kRanks; ++rank) {
                const HighScoreEntry& entry = table.Entry(variant, difficulty, rank);
                const HighScoreEntry& copy = again.Entry(variant, difficulty, rank);
                if (std::memchr(entry.name.data(), '\0', entry.name.size()) == nullptr)
                    return false;
                if (std::strcmp(entry.Name(), copy.Name()) != 0 || entry.score != copy.score)
                    return false;
            }
        }
    }
    return true;
}

// The counter file is read as the game reads it (at most 64 bytes); the
// number written back is always a number the next read gives back.
inline bool HelpCounterInput(const std::string& bytes) {
    int count = HelpCounter::Parse(bytes.substr(0, 64));
    return count == INT32_MAX || HelpCounter::Parse(std::to_string(count + 1)) == count + 1;
}

// Whatever the chunks claim, the samples come from inside the file.
inline bool WavInput(const std::string& bytes) {
    std::vector<int16_t> samples;
    if (!ReadWavSamples(bytes, samples))
        return samples.empty();
    return !samples.empty() && samples.size() * 2 <= bytes.size();
}

// The font sheet the metrics input draws from, in the current directory.
inline void PutFontSheet() {
    PutFile("Graphics\\Gui\\Fuzz Font.bmp",
            MakeBmp(256, 256, [](int x, int y) { return 0x010101u + ((x * 7 + y) & 0xFF); }));
}

inline void MakeHeadless(Display& display) {
    display.Create(nullptr);
    display.SetWindowed(625, 440);
}

// The file-based targets write their inputs under the game's own names: they
// work in a scratch folder of their own, in memory where the host has one,
// removed when the run ends.
inline void EnterScratchFolder() {
    static std::filesystem::path scratch;
    char pattern[] = "/dev/shm/vlims-fuzz-XXXXXX";
    char fallback[] = "/tmp/vlims-fuzz-XXXXXX";
    const char* folder = mkdtemp(pattern);
    if (!folder)
        folder = mkdtemp(fallback);
    if (!folder || chdir(folder) != 0)
        abort();
    scratch = folder;
    atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    });
}

// One headless display for a whole fuzzing run, made on first use in the
// scratch folder, with the font sheet there.
inline Display& ScratchDisplay() {
    static Display* display = [] {
        EnterScratchFolder();
        PutFontSheet();
        auto* made = new Display();
        MakeHeadless(*made);
        return made;
    }();
    return *display;
}

// What every libFuzzer target does with its input: a broken property aborts,
// so the fuzzer keeps the input.
inline int Check(const uint8_t* data, size_t size, bool (*check)(const std::string&)) {
    if (!check(std::string(reinterpret_cast<const char*>(data), size)))
        abort();
    return 0;
}

// Font metrics: 256 signed widths. Every glyph is drawn at the left and
// right edges of the back buffer and in the middle, as text layouts do.
inline bool FontMetricsInput(Display& display, const std::string& bytes) {
    const char* metrics = "Data\\Fuzz Font Metrics.dat";
    PutFile(metrics, bytes);
    BitmapFont font;
    font.Load(display, "Graphics\\Gui\\Fuzz Font.bmp", 256, 16, metrics);
    for (int c = 0; c < 256; ++c) {
        unsigned char glyph = static_cast<unsigned char>(c);
        int width = font.Width(glyph);
        if (width != static_cast<signed char>(c < static_cast<int>(bytes.size()) ? bytes[c] : 0))
            return false;
        for (int x : {-40, 300, 620})
            if (font.DrawGlyph(display, glyph, x, 10) != width)
                return false;
    }
    return true;
}

// Bitmaps: any file gives an image of the asked size, drawn without harm.
inline bool BitmapInput(Display& display, const std::string& bytes) {
    const char* picture = "Graphics\\Gui\\Fuzz Picture.bmp";
    PutFile(picture, bytes);
    ImagePtr image = display.LoadImageFile(picture, 48, 32);
    if (!image || image->width != 48 || image->height != 32)
        return false;
    display.DrawImage(image.get(), 10, 10);
    display.DrawImageScaled(image.get(), 100, 100, 96, 64);
    return true;
}

}  // namespace fuzz
