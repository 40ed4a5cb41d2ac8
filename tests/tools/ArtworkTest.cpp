// Checks the game folder that the artwork program fills during the build:
// every file the game reads, at the size it loads it, in a form its readers
// accept, with the font metrics matching the font sheets.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/WavReader.h"
#include "platform/FileIo.h"

namespace {

const std::string kGame = VLIMS_GAME_DIR;

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// The picture in a plain 24-bit layout that the tests can read pixel by pixel.
Surface LoadPicture(const std::string& relative) {
    Surface loaded(SDL_LoadBMP((kGame + "/" + relative).c_str()));
    if (!loaded)
        return nullptr;
    return Surface(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
}

uint32_t PixelAt(SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    uint32_t pixel;
    std::memcpy(&pixel, row + x * 4, sizeof pixel);
    return pixel & 0xffffff;
}

bool CornersAreBlack(SDL_Surface* picture) {
    const int w = picture->w, h = picture->h;
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        if (PixelAt(picture, x, y) != 0)
            return false;
    return true;
}

struct Expected {
    std::string path;
    int width;
    int height;
    // Pictures that are opaque art: no black (transparent) pixel except in
    // the four corner squares of this size, where rounded corners may be.
    int opaqueCorner = -1;  // -1: not an opaque picture
};

std::vector<Expected> GuiPictures() {
    struct Group {
        int width, height, opaqueCorner;
        bool buttons;  // each name is a button with a pushed twin
        std::vector<std::string> names;
    };
    const Group groups[] = {
        {625, 440, 0, false, {"Background", "Background Startup", "Background Score"}},
        {150, 125, 16, true, {"Hint"}},
        {20, 20, -1, true, {"Rotate"}},
        {150, 150, 16, false, {"Easy", "Normal", "Hard"}},
        {40, 40, -1, false, {"Select"}},
        {160, 160, 16, false, {"Start Help", "Start Help 2"}},
        {200, 50, 16, false, {"No Moves Left"}},
        {25, 400, 10, false, {"Level Bar", "Level Bar Filled"}},
        {250, 20, 0, false, {"Name 1", "Name 2"}},
        {32, 32, -1, false, {"Icon"}},
        {256, 256, -1, false, {"Times Roman 10 Font"}},
        {512, 512, -1, false, {"Times Roman 16 Font"}},
        {150, 40, 12, true, {"Play Game", "Resume", "High Scores", "Help"}},
        {150, 40, 12, true, {"New Game", "End", "Menu"}},
        {75, 35, 10, true, {"N Type", "R Type"}},
        {100, 40, -1, false, {"25 Points", "50 Points", "100 Points", "250 Points"}},
        {100, 40, -1, false, {"500 Points", "1000 Points", "5000 Points"}}};
    std::vector<Expected> list;
    for (const Group& group : groups) {
        for (const std::string& name : group.names) {
            for (const char* suffix : {" Button", " Button Pushed"}) {
                const std::string path = "Graphics/Gui/" + name + (group.buttons ? suffix : "");
                list.push_back({path + ".bmp", group.width, group.height, group.opaqueCorner});
                if (!group.buttons)
                    break;
            }
        }
    }
    return list;
}

TEST(ArtworkTest, PicturesDrawnOverPiecesLeaveTheirHolesBlack) {
    // The selection mark's inside shows the piece under it.
    Surface select = LoadPicture("Graphics/Gui/Select.bmp");
    ASSERT_TRUE(select);
    for (int y = 8; y < 32; ++y) {
        for (int x = 8; x < 32; ++x) ASSERT_EQ(PixelAt(select.get(), x, y), 0u) << x << "," << y;
    }
    EXPECT_NE(PixelAt(select.get(), 20, 2), 0u) << "the frame itself is visible";
    // Round buttons, points and the icon stand on black.
    for (const char* path :
         {"Graphics/Gui/Rotate Button.bmp", "Graphics/Gui/Rotate Button Pushed.bmp",
          "Graphics/Gui/25 Points.bmp", "Graphics/Gui/5000 Points.bmp", "Graphics/Gui/Icon.bmp"}) {
        SCOPED_TRACE(path);
        Surface picture = LoadPicture(path);
        ASSERT_TRUE(picture);
        EXPECT_TRUE(CornersAreBlack(picture.get()));
        EXPECT_NE(PixelAt(picture.get(), picture->w / 2, picture->h / 2 + 1), 0u) << "drawn";
    }
}

struct VlimFrames {
    const char* colour;
    int emotion;
};
constexpr VlimFrames kVlims[] = {{"Blue", 4},   {"Green", 8},  {"Red", 4},
                                 {"Yellow", 6}, {"Purple", 4}, {"White", 2}};

std::vector<std::string> VlimPictures() {
    std::vector<std::string> list;
    for (const VlimFrames& vlim : kVlims) {
        const std::string base = std::string("Graphics/Vlims/") + vlim.colour + " Vlim ";
        list.push_back(base + "Standard 1.bmp");
        for (int i = 1; i <= vlim.emotion; ++i)
            list.push_back(base + "Emotion " + std::to_string(i) + ".bmp");
        for (int i = 1; i <= 4; ++i) list.push_back(base + "Scared " + std::to_string(i) + ".bmp");
    }
    return list;
}

bool InCorner(int x, int y, int width, int height, int corner) {
    return (x < corner || x >= width - corner) && (y < corner || y >= height - corner);
}

TEST(ArtworkTest, EveryInterfacePictureLoadsAtItsSizeAndOpaqueArtHasNoHoles) {
    for (const Expected& expected : GuiPictures()) {
        SCOPED_TRACE(expected.path);
        Surface raw(SDL_LoadBMP((kGame + "/" + expected.path).c_str()));
        ASSERT_TRUE(raw) << SDL_GetError();
        EXPECT_EQ(std::pair(raw->w, raw->h), std::pair(expected.width, expected.height));
        EXPECT_EQ(raw->format->BitsPerPixel, 24);
        if (expected.opaqueCorner < 0)
            continue;
        Surface picture = LoadPicture(expected.path);
        int holes = 0;
        for (int y = 0; y < picture->h; ++y) {
            for (int x = 0; x < picture->w; ++x) {
                holes += PixelAt(picture.get(), x, y) == 0 &&
                         !InCorner(x, y, picture->w, picture->h, expected.opaqueCorner);
            }
        }
        EXPECT_EQ(holes, 0) << "black pixels would show the screen through the picture";
    }
}

TEST(ArtworkTest, TheTwoPicturesOfAButtonCoverTheSamePixels) {
    // The pushed picture is drawn over the normal one without repainting.
    for (const Expected& expected : GuiPictures()) {
        const size_t at = expected.path.find(" Button.bmp");
        if (at == std::string::npos || expected.path.find("Rotate") != std::string::npos)
            continue;
        SCOPED_TRACE(expected.path);
        Surface normal = LoadPicture(expected.path);
        Surface pushed = LoadPicture(expected.path.substr(0, at) + " Button Pushed.bmp");
        ASSERT_TRUE(normal && pushed);
        int differentCoverage = 0, differentColour = 0;
        for (int y = 0; y < normal->h; ++y) {
            for (int x = 0; x < normal->w; ++x) {
                const uint32_t a = PixelAt(normal.get(), x, y);
                const uint32_t b = PixelAt(pushed.get(), x, y);
                differentCoverage += (a == 0) != (b == 0);
                differentColour += a != b;
            }
        }
        EXPECT_EQ(differentCoverage, 0);
        EXPECT_GT(differentColour, normal->w * normal->h / 4) << "pushed must look different";
    }
}

TEST(ArtworkTest, EveryVlimFrameIsACreatureOnBlackAndAnimationsMove) {
    const std::vector<std::string> frames = VlimPictures();
    EXPECT_EQ(frames.size(), 58u);
    for (const std::string& path : frames) {
        SCOPED_TRACE(path);
        Surface picture = LoadPicture(path);
        ASSERT_TRUE(picture) << SDL_GetError();
        ASSERT_EQ(std::pair(picture->w, picture->h), std::pair(40, 40));
        EXPECT_TRUE(CornersAreBlack(picture.get())) << "corners must be transparent";
        int body = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) body += PixelAt(picture.get(), x, y) != 0;
        }
        // A chubby creature of about 34 x 34 pixels, whatever its shape.
        EXPECT_GT(body, 40 * 40 * 4 / 10);
        EXPECT_LT(body, 40 * 40 - 100);
    }
    // The first two frames of every animation differ, or it would stand still.
    for (const VlimFrames& vlim : kVlims) {
        for (const char* mood : {" Vlim Emotion ", " Vlim Scared "}) {
            const std::string base = std::string("Graphics/Vlims/") + vlim.colour + mood;
            SCOPED_TRACE(base);
            Surface first = LoadPicture(base + "1.bmp");
            Surface second = LoadPicture(base + "2.bmp");
            ASSERT_TRUE(first && second);
            EXPECT_NE(std::memcmp(first->pixels, second->pixels, size_t(first->pitch) * 40), 0);
        }
    }
}

struct Font {
    const char* sheet;
    const char* metrics;
    int cell;
};
constexpr Font kFonts[] = {
    {"Graphics/Gui/Times Roman 10 Font.bmp", "Data/Times Roman 10 Font Metrics.dat", 16},
    {"Graphics/Gui/Times Roman 16 Font.bmp", "Data/Times Roman 16 Font Metrics.dat", 32},
};

TEST(ArtworkTest, FontMetricsMatchTheirSheets) {
    for (const Font& font : kFonts) {
        SCOPED_TRACE(font.metrics);
        const std::optional<std::string> metrics = ReadWholeFile(kGame + "/" + font.metrics);
        ASSERT_TRUE(metrics);
        ASSERT_EQ(metrics->size(), 256u);
        // Lower-case letters differ, but none is wildly off the letter n.
        const int n = (*metrics)['n'];
        for (char c = 'a'; c <= 'z'; ++c) {
            EXPECT_GE((*metrics)[size_t(c)] * 3, n) << c;
            EXPECT_LE((*metrics)[size_t(c)], n * 2) << c;
        }
        EXPECT_EQ((*metrics)['0'], (*metrics)['8']) << "digits share one width";
        Surface sheet = LoadPicture(font.sheet);
        ASSERT_TRUE(sheet);
        for (int c = 0; c < 256; ++c) {
            SCOPED_TRACE(c);
            const int width = static_cast<signed char>((*metrics)[size_t(c)]);
            const bool printable = (c >= 32 && c <= 126) || c >= 160;
            EXPECT_EQ(width > 0, printable);
            ASSERT_GE(width, 0);
            ASSERT_LE(width, font.cell);
            // The game copies exactly the centred span of the advance width:
            // any ink outside it would be lost, ink inside must exist.
            const int cellLeft = (c % 16) * font.cell;
            const int spanLeft = cellLeft + (font.cell - width) / 2;
            const int top = (c / 16) * font.cell;
            int inside = 0, outside = 0;
            for (int y = top; y < top + font.cell; ++y) {
                for (int x = cellLeft; x < cellLeft + font.cell; ++x) {
                    const bool ink = PixelAt(sheet.get(), x, y) != 0;
                    const bool inSpan = x >= spanLeft && x < spanLeft + width;
                    (inSpan ? inside : outside) += ink;
                }
            }
            EXPECT_EQ(outside, 0);
            if (printable && c != ' ' && c != 160) {
                EXPECT_GT(inside, 0);
            }
        }
    }
}

uint32_t Le32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | uint8_t(bytes[at + size_t(i)]);
    return value;
}
uint16_t Le16(const std::string& bytes, size_t at) {
    return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8);
}

TEST(ArtworkTest, SoundsAreShortCleanMonoPcmWithTheFormatChunkFirst) {
    const std::pair<const char*, double> sounds[] = {
        {"Click", 0.3},        {"Pop", 0.5},   {"Zoh", 0.9},          {"Rotate", 0.6},
        {"Switch Vlims", 0.6}, {"Score", 1.3}, {"Next Level 1", 1.5}, {"Wand", 1.0}};
    for (const auto& [name, longest] : sounds) {
        SCOPED_TRACE(name);
        const std::optional<std::string> wav =
            ReadWholeFile(kGame + "/Sounds/" + name + ".wav", 4 << 20);
        ASSERT_TRUE(wav);
        ASSERT_GE(wav->size(), 44u);
        EXPECT_EQ(wav->substr(0, 4), "RIFF");
        EXPECT_EQ(Le32(*wav, 4), wav->size() - 8);
        EXPECT_EQ(wav->substr(8, 4), "WAVE");
        ASSERT_EQ(wav->substr(12, 4), "fmt ") << "the format chunk must come first";
        // PCM, mono, 22050 Hz, 44100 bytes/s, 2-byte frames of 16 bits.
        EXPECT_EQ((std::vector<uint32_t>{Le16(*wav, 20), Le16(*wav, 22), Le32(*wav, 24),
                                         Le32(*wav, 28), Le16(*wav, 32), Le16(*wav, 34)}),
                  (std::vector<uint32_t>{1, 1, 22050, 44100, 2, 16}));
        const size_t data = 20 + Le32(*wav, 16);
        ASSERT_EQ(wav->substr(data, 4), "data");
        const uint32_t bytes = Le32(*wav, data + 4);
        ASSERT_EQ(data + 8 + bytes, wav->size());
        std::vector<int16_t> samples;
        EXPECT_TRUE(ReadWavSamples(*wav, samples)) << "the game's reader refuses it";
        EXPECT_EQ(samples.size(), bytes / 2);
        const double seconds = bytes / 2 / 22050.0;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, longest);
        int peak = 0;
        for (size_t i = data + 8; i + 1 < wav->size(); i += 2)
            peak = std::max(peak, std::abs(int(int16_t(Le16(*wav, i)))));
        // Loud enough to hear, never clipped: about -3 dBFS.
        EXPECT_GT(peak, 16000);
        EXPECT_LT(peak, 32000);
        // Faded in and out, so nothing clicks.
        EXPECT_LT(std::abs(int(int16_t(Le16(*wav, data + 8)))), 200);
        EXPECT_LT(std::abs(int(int16_t(Le16(*wav, wav->size() - 2)))), 200);
    }
}

TEST(ArtworkTest, TheHintsPageAndItsPicturesArePresent) {
    const std::optional<std::string> page = ReadWholeFile(kGame + "/Help/Hints.html");
    ASSERT_TRUE(page);
    size_t at = 0;
    int pictures = 0;
    while ((at = page->find("src=\"", at)) != std::string::npos) {
        at += 5;
        const std::string file = page->substr(at, page->find('"', at) - at);
        EXPECT_TRUE(ReadWholeFile(kGame + "/Help/" + file)) << file;
        ++pictures;
    }
    EXPECT_GE(pictures, 4);
    for (const char* topic : {"Normal Game", "Rotational Game", "Hint", "Level", "Points"})
        EXPECT_NE(page->find(topic), std::string::npos) << topic;
}

}  // namespace
