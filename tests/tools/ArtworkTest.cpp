// Checks the game folder that the artwork program fills during the build:
// every file the game reads, at the size it loads it, in a form its readers
// accept, with the font metrics matching the font sheets, and the pictures
// doing their job on screen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/WavReader.h"
#include "platform/FileIo.h"

namespace {

const std::string kGame = VLIMS_GAME_DIR;

// A picture as the game draws it: pixel value 0 (black) is transparent.
struct Picture {
    int w = 0, h = 0, bits = 0;  // all 0 when the file could not be loaded
    std::vector<uint32_t> rgb;

    uint32_t At(int x, int y) const { return rgb[size_t(y) * size_t(w) + size_t(x)]; }
    // Transparent pixels from (x0, y0) up to, not including, (x1, y1).
    int ClearIn(int x0, int y0, int x1, int y1) const {
        int clear = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) clear += At(x, y) == 0;
        }
        return clear;
    }
    bool CornersClear() const {
        return At(0, 0) == 0 && At(w - 1, 0) == 0 && At(0, h - 1) == 0 && At(w - 1, h - 1) == 0;
    }
    // The mean lightness of the visible pixels, as a grey-scale screen shows it.
    double MeanGrey() const {
        double sum = 0;
        for (uint32_t p : rgb)
            sum += 0.299 * (p >> 16) + 0.587 * (p >> 8 & 255) + 0.114 * (p & 255);
        return sum / double(rgb.size() - size_t(ClearIn(0, 0, w, h)));
    }
};

Picture Load(const std::string& relative) {
    SDL_Surface* raw = SDL_LoadBMP((kGame + "/" + relative).c_str());
    if (!raw)
        return {};
    SDL_Surface* plain = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB888, 0);
    Picture picture{plain->w, plain->h, raw->format->BitsPerPixel, {}};
    for (int y = 0; y < plain->h; ++y) {
        for (int x = 0; x < plain->w; ++x) {
            uint32_t pixel;
            std::memcpy(&pixel, static_cast<uint8_t*>(plain->pixels) + y * plain->pitch + x * 4, 4);
            picture.rgb.push_back(pixel & 0xffffff);
        }
    }
    SDL_FreeSurface(plain);
    SDL_FreeSurface(raw);
    return picture;
}

struct Group {
    int width, height;
    // Opaque art has no black (transparent) pixel except in the four corner
    // squares of this size, where rounded corners may be; -1: not opaque art.
    int opaqueCorner;
    bool buttons;  // each name is a button with a pushed twin
    std::vector<std::string> names;
    int cardHeight = 0;  // opaque art ends at this row, below it all is clear
};
const Group kGui[] = {
    {625, 440, 0, false, {"Background", "Background Startup", "Background Score"}},
    {150, 125, 16, true, {"Hint"}},
    {20, 20, -1, true, {"Rotate"}},
    // The score screen puts these on the window's bottom edge: a clear
    // margin keeps the card from looking cut off.
    {150, 150, 16, false, {"Easy", "Normal", "Hard"}, 140},
    {40, 40, -1, false, {"Select"}},
    {160, 160, -1, false, {"Start Help", "Start Help 2"}},
    {200, 50, 16, false, {"No Moves Left"}},
    {25, 400, 10, false, {"Level Bar", "Level Bar Filled"}},
    {250, 20, 0, false, {"Name 1", "Name 2"}},
    {32, 32, -1, false, {"Icon"}},
    {256, 256, -1, false, {"Times Roman 10 Font"}},
    {512, 512, -1, false, {"Times Roman 16 Font"}},
    {150, 40, 12, true, {"Play Game", "Resume", "High Scores", "Help", "New Game", "End", "Menu"}},
    {75, 35, 10, true, {"N Type", "R Type"}},
    {100, 40, -1, false, {"25 Points", "50 Points", "100 Points", "250 Points", "500 Points"}},
    {100, 40, -1, false, {"1000 Points", "5000 Points"}}};

bool InCorner(int x, int y, int width, int height, int corner) {
    return (x < corner || x >= width - corner) && (y < corner || y >= height - corner);
}

void ExpectSizeAndNoHoles(const Picture& picture, const Group& group) {
    ASSERT_EQ(std::pair(picture.w, picture.h), std::pair(group.width, group.height));
    EXPECT_EQ(picture.bits, 24);
    if (group.opaqueCorner < 0)
        return;
    const int w = picture.w, card = group.cardHeight ? group.cardHeight : picture.h;
    int holes = 0;
    for (int y = 0; y < card; ++y) {
        for (int x = 0; x < w; ++x)
            holes += picture.At(x, y) == 0 && !InCorner(x, y, w, card, group.opaqueCorner);
    }
    EXPECT_EQ(holes, 0) << "black pixels would show the screen through the picture";
    EXPECT_EQ(picture.ClearIn(0, card, w, picture.h), w * (picture.h - card));
}

// The pushed picture is drawn over the normal one without repainting.
void ExpectPushedTwin(const Picture& normal, const Picture& pushed, bool marksChoice) {
    // The variant buttons stay pushed to mark the game in force: their
    // pushed picture is lit. Every other one looks pressed: darker.
    const double lighter = pushed.MeanGrey() - normal.MeanGrey();
    EXPECT_GT(marksChoice ? lighter : -lighter, 5);
    int differentCoverage = 0, differentColour = 0;
    for (size_t i = 0; i < normal.rgb.size(); ++i) {
        differentCoverage += (normal.rgb[i] == 0) != (pushed.rgb[i] == 0);
        differentColour += normal.rgb[i] != pushed.rgb[i];
    }
    EXPECT_EQ(differentCoverage, 0);
    EXPECT_GT(differentColour, normal.w * normal.h / 4) << "pushed must look different";
}

TEST(ArtworkTest, EveryInterfacePictureLoadsAtItsSizeOpaqueArtHasNoHolesButtonsPushIn) {
    for (const Group& group : kGui) {
        for (const std::string& name : group.names) {
            SCOPED_TRACE(name);
            const std::string path = "Graphics/Gui/" + name + (group.buttons ? " Button" : "");
            const Picture picture = Load(path + ".bmp");
            ExpectSizeAndNoHoles(picture, group);
            if (!group.buttons)
                continue;
            const Picture pushed = Load(path + " Pushed.bmp");
            ExpectSizeAndNoHoles(pushed, group);
            if (name != "Rotate" && picture.w == pushed.w)
                ExpectPushedTwin(picture, pushed, name.find(" Type") != std::string::npos);
        }
    }
}

// Pictures drawn over others stand on black (clear corners) and leave what
// lies under them in view where it matters.
TEST(ArtworkTest, PicturesDrawnOverOthersLeaveTheRightPartsClear) {
    const struct {
        const char* name;
        SDL_Rect clear;  // must be wholly transparent
        double least;    // the share of the picture that is clear at least
    } pictures[] = {{"Rotate Button", {}, 0},
                    {"25 Points", {}, 0},
                    {"Icon", {}, 0},
                    {"Select", {8, 8, 24, 24}, 0},  // the piece shows inside the mark
                    // At (220, 45), over the first game's demonstration row from y 180 on.
                    {"Start Help", {0, 135, 160, 25}, 0.15},
                    {"Start Help 2", {40, 40, 80, 80}, 0.7}};  // around the block at its centre
    for (const auto& expected : pictures) {
        SCOPED_TRACE(expected.name);
        const Picture picture = Load(std::string("Graphics/Gui/") + expected.name + ".bmp");
        ASSERT_GT(picture.w, 0);
        const SDL_Rect& r = expected.clear;
        EXPECT_EQ(picture.ClearIn(r.x, r.y, r.x + r.w, r.y + r.h), r.w * r.h);
        EXPECT_TRUE(picture.CornersClear());
        const int clear = picture.ClearIn(0, 0, picture.w, picture.h);
        EXPECT_GE(clear, expected.least * picture.w * picture.h);
        EXPECT_LT(clear, picture.w * picture.h * 9 / 10) << "too little is drawn";
    }
}

struct VlimFrames {
    const char* colour;
    int emotion;
};
constexpr VlimFrames kVlims[] = {{"Blue", 4},   {"Green", 8},  {"Red", 4},
                                 {"Yellow", 6}, {"Purple", 4}, {"White", 2}};

Picture LoadVlim(const VlimFrames& vlim, const std::string& mood, int frame) {
    return Load(std::string("Graphics/Vlims/") + vlim.colour + " Vlim " + mood + " " +
                std::to_string(frame) + ".bmp");
}

// A creature on black at the size the game draws it, whose animations move.
TEST(ArtworkTest, EveryVlimFrameIsACreatureOnBlackAndAnimationsMove) {
    for (const VlimFrames& vlim : kVlims) {
        for (const auto& [mood, count] :
             {std::pair{"Standard", 1}, {"Emotion", vlim.emotion}, {"Scared", 4}}) {
            SCOPED_TRACE(std::string(vlim.colour) + " " + mood);
            std::vector<Picture> frames;
            for (int frame = 1; frame <= count; ++frame) {
                frames.push_back(LoadVlim(vlim, mood, frame));
                const Picture& picture = frames.back();
                ASSERT_EQ(std::pair(picture.w, picture.h), std::pair(40, 40)) << frame;
                EXPECT_TRUE(picture.CornersClear()) << frame;
                EXPECT_GT(40 * 40 - picture.ClearIn(0, 0, 40, 40), 40 * 40 * 4 / 10) << frame;
            }
            EXPECT_TRUE(count == 1 || frames[0].rgb != frames[1].rgb)
                << "an animation stands still";
        }
    }
}

TEST(ArtworkTest, EveryTwoColoursDifferInShapeOrElseInLightness) {
    // What a colour-blind player goes by: the silhouettes of the Standard
    // frames, and where they are much alike, a clearly lighter or darker body.
    std::vector<Picture> vlims;
    for (const VlimFrames& vlim : kVlims) vlims.push_back(LoadVlim(vlim, "Standard", 1));
    for (size_t a = 0; a < vlims.size(); ++a) {
        for (size_t b = a + 1; b < vlims.size(); ++b) {
            SCOPED_TRACE(std::string(kVlims[a].colour) + " and " + kVlims[b].colour);
            ASSERT_TRUE(vlims[a].w == 40 && vlims[b].w == 40);
            int both = 0, either = 0;
            for (size_t i = 0; i < vlims[a].rgb.size(); ++i) {
                both += vlims[a].rgb[i] != 0 && vlims[b].rgb[i] != 0;
                either += vlims[a].rgb[i] != 0 || vlims[b].rgb[i] != 0;
            }
            const double overlap = double(both) / either;
            EXPECT_LE(overlap, 0.85);
            const double greys = std::abs(vlims[a].MeanGrey() - vlims[b].MeanGrey());
            EXPECT_TRUE(overlap <= 0.8 || greys >= 12) << overlap << " alike, greys " << greys;
        }
    }
}

TEST(ArtworkTest, FontMetricsMatchTheirSheets) {
    for (const auto& [font, cell] :
         {std::pair{"Times Roman 10 Font", 16}, std::pair{"Times Roman 16 Font", 32}}) {
        SCOPED_TRACE(font);
        const std::optional<std::string> metrics =
            ReadWholeFile(kGame + "/Data/" + font + " Metrics.dat");
        ASSERT_TRUE(metrics);
        ASSERT_EQ(metrics->size(), 256u);
        EXPECT_EQ((*metrics)['0'], (*metrics)['8']) << "digits share one width: scores stay put";
        const Picture sheet = Load(std::string("Graphics/Gui/") + font + ".bmp");
        ASSERT_EQ(sheet.w, cell * 16);
        for (int c = 0; c < 256; ++c) {
            SCOPED_TRACE(c);
            const int width = static_cast<signed char>((*metrics)[size_t(c)]);
            const bool printable = (c >= 32 && c <= 126) || c >= 160;
            EXPECT_EQ(width > 0, printable);
            ASSERT_GE(width, 0);
            ASSERT_LE(width, cell);
            // The game copies exactly the centred span of the advance width:
            // any ink outside it would be lost, ink inside must exist.
            const int left = (c % 16) * cell, top = (c / 16) * cell;
            const int spanLeft = left + (cell - width) / 2;
            const int cellClear = sheet.ClearIn(left, top, left + cell, top + cell);
            const int spanClear = sheet.ClearIn(spanLeft, top, spanLeft + width, top + cell);
            EXPECT_EQ(cellClear - spanClear, (cell - width) * cell) << "ink outside";
            EXPECT_EQ(spanClear < width * cell, printable && c != ' ' && c != 160) << "ink";
        }
    }
}

// The game's own reader takes them (format chunk first, PCM) as 22050 Hz mono.
TEST(ArtworkTest, SoundsAreShortCleanAndTakenByTheGamesReader) {
    const std::pair<const char*, double> sounds[] = {
        {"Click", 0.3},        {"Pop", 0.5},   {"Zoh", 0.9},          {"Rotate", 0.6},
        {"Switch Vlims", 0.6}, {"Score", 1.3}, {"Next Level 1", 1.5}, {"Wand", 1.0}};
    for (const auto& [name, longest] : sounds) {
        SCOPED_TRACE(name);
        const std::optional<std::string> wav =
            ReadWholeFile(kGame + "/Sounds/" + name + ".wav", 4 << 20);
        std::vector<int16_t> samples;
        ASSERT_TRUE(wav && ReadWavSamples(*wav, samples));
        EXPECT_EQ(wav->substr(20, 8), std::string("\1\0\1\0\x22\x56\0\0", 8));
        const double seconds = double(samples.size()) / 22050.0;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, longest);
        int peak = 0;
        for (int16_t sample : samples) peak = std::max(peak, std::abs(int(sample)));
        // Loud enough to hear, never clipped (about -3 dBFS), faded in and out.
        EXPECT_GT(peak, 16000);
        EXPECT_LT(peak, 32000);
        EXPECT_LT(std::abs(int(samples.front())) + std::abs(int(samples.back())), 400);
    }
}

TEST(ArtworkTest, TheHintsPageAndItsPicturesAndTheDesktopIconsArePresent) {
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
    // The installed game's icons, beside the game folder: PNG at each size.
    for (const std::string size : {"16", "32", "48", "64", "128", "256"}) {
        const std::optional<std::string> png =
            ReadWholeFile(kGame + "/../icons/" + size + "x" + size + "/vlims.png");
        ASSERT_TRUE(png && png->size() > 24 && png->substr(1, 3) == "PNG") << size;
        EXPECT_EQ(uint8_t((*png)[18]) << 8 | uint8_t((*png)[19]), std::stoi(size));
        EXPECT_EQ(uint8_t((*png)[22]) << 8 | uint8_t((*png)[23]), std::stoi(size));
    }
}

}  // namespace
