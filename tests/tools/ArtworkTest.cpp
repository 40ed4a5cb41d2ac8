// The game folder the artwork program fills: pictures at their sizes doing
// their job, metrics matching their sheets, sounds as the game reads them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/WavReader.h"
#include "platform/FileIo.h"

namespace {

const std::string kGame = VLIMS_GAME_DIR;

// A picture as the game draws it: pixel value 0 (black) is transparent.
struct Picture {
    int w = 0, h = 0;  // both 0 when the file could not be loaded
    std::vector<uint32_t> rgb;

    // Transparent pixels from (x0, y0) up to, not including, (x1, y1).
    int ClearIn(int x0, int y0, int x1, int y1) const {
        int clear = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) clear += rgb[size_t(y) * size_t(w) + size_t(x)] == 0;
        return clear;
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
    Picture picture{raw->w, raw->h, std::vector<uint32_t>(size_t(raw->w) * size_t(raw->h))};
    SDL_ConvertPixels(raw->w, raw->h, raw->format->format, raw->pixels, raw->pitch,
                      SDL_PIXELFORMAT_RGB888, picture.rgb.data(), raw->w * 4);
    for (uint32_t& pixel : picture.rgb) pixel &= 0xffffff;
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
};
const Group kGui[] = {
    {625, 440, 0, false, {"Background", "Background Startup", "Background Score"}},
    {150, 125, 16, true, {"Hint"}},
    {20, 20, -1, true, {"Rotate"}},
    {150, 150, -1, false, {"Easy", "Normal", "Hard"}},
    {40, 40, -1, false, {"Select"}},
    {160, 160, -1, false, {"Start Help", "Start Help 2"}},
    {200, 50, 16, false, {"No Moves Left"}},
    {25, 400, 10, false, {"Level Bar", "Level Bar Filled"}},
    {250, 20, 0, false, {"Name 1", "Name 2"}},
    {32, 32, -1, false, {"Icon"}},
    {150, 40, 12, true, {"Play Game", "Resume", "High Scores", "Help", "New Game", "End", "Menu"}},
    {75, 35, 10, true, {"N Type", "R Type"}},
    {100, 40, -1, false, {"25 Points", "50 Points", "100 Points", "250 Points", "500 Points"}},
    {100, 40, -1, false, {"1000 Points", "5000 Points"}}};

void ExpectSizeAndNoHoles(const Picture& picture, const Group& group) {
    ASSERT_EQ(std::pair(picture.w, picture.h), std::pair(group.width, group.height));
    const int w = picture.w, h = picture.h, c = group.opaqueCorner;
    const int inCorners = picture.ClearIn(0, 0, c, c) + picture.ClearIn(w - c, 0, w, c) +
                          picture.ClearIn(0, h - c, c, h) + picture.ClearIn(w - c, h - c, w, h);
    EXPECT_TRUE(c < 0 || picture.ClearIn(0, 0, w, h) == inCorners)
        << "black pixels would show the screen through the picture";
}

// The pushed picture covers the normal one exactly; lit for the variant buttons
// that stay pushed to mark the game in force, else darker.
void ExpectPushedTwin(const Picture& normal, const Picture& pushed, bool marksChoice) {
    const double lighter = pushed.MeanGrey() - normal.MeanGrey();
    EXPECT_GT(marksChoice ? lighter : -lighter, 5);
    int differentCoverage = 0;
    for (size_t i = 0; i < normal.rgb.size(); ++i)
        differentCoverage += (normal.rgb[i] == 0) != (pushed.rgb[i] == 0);
    EXPECT_EQ(differentCoverage, 0) << "the normal picture would show around the pushed one";
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

// What a colour-blind player goes by: the silhouettes of the Standard
// frames, and where they are much alike, a clearly lighter or darker body.
TEST(ArtworkTest, EveryTwoColoursDifferInShapeOrElseInLightness) {
    const char* kColours[] = {"Blue", "Green", "Red", "Yellow", "Purple", "White"};
    std::vector<Picture> vlims;
    for (const char* colour : kColours)
        vlims.push_back(Load(std::string("Graphics/Vlims/") + colour + " Vlim Standard 1.bmp"));
    for (size_t a = 0; a < vlims.size(); ++a) {
        for (size_t b = a + 1; b < vlims.size(); ++b) {
            SCOPED_TRACE(std::string(kColours[a]) + " and " + kColours[b]);
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
        ASSERT_TRUE(metrics && metrics->size() == 256u);
        EXPECT_EQ((*metrics)['0'], (*metrics)['8']) << "digits share one width: scores stay put";
        const Picture sheet = Load(std::string("Graphics/Gui/") + font + ".bmp");
        ASSERT_EQ(std::pair(sheet.w, sheet.h), std::pair(cell * 16, cell * 16));
        for (int c = 0; c < 256; ++c) {
            const int width = static_cast<signed char>((*metrics)[size_t(c)]);
            const bool printable = (c >= 32 && c <= 126) || c >= 160;
            ASSERT_TRUE(width >= 0 && width <= cell && (width > 0) == printable) << c;
            // The game copies exactly the centred span of the advance width:
            // any ink outside it would be lost, ink inside must exist.
            const int left = (c % 16) * cell, top = (c / 16) * cell;
            const int spanLeft = left + (cell - width) / 2;
            const int cellClear = sheet.ClearIn(left, top, left + cell, top + cell);
            const int spanClear = sheet.ClearIn(spanLeft, top, spanLeft + width, top + cell);
            EXPECT_EQ(cellClear - spanClear, (cell - width) * cell) << "ink outside " << c;
            EXPECT_EQ(spanClear < width * cell, printable && c != ' ' && c != 160) << "ink " << c;
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
        ASSERT_TRUE(wav && ReadWavSamples(*wav, samples) && !samples.empty());
        EXPECT_EQ(wav->substr(20, 8), std::string("\1\0\1\0\x22\x56\0\0", 8));
        EXPECT_LT(double(samples.size()) / 22050.0, longest);
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        // Loud enough to hear, never clipped (about -3 dBFS), faded in and out.
        EXPECT_TRUE(std::max(-*low, int(*high)) > 16000 && -*low < 32000 && *high < 32000);
        EXPECT_LT(std::abs(int(samples.front())) + std::abs(int(samples.back())), 400);
    }
}

}  // namespace
