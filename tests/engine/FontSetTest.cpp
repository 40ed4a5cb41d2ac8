#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/Display.h"
#include "engine/FontSet.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"

namespace {
constexpr uint32_t kGround = 0x203040;
constexpr uint32_t kStray = 0xFF00FF;  // sheet pixels outside a glyph's centred strip

uint32_t GlyphColour(int fontId, unsigned char c) {
    return (fontId == 1 ? 0x100033u : 0x500033u) | (static_cast<uint32_t>(c) << 8);
}

// Font 1 widths; font 2 has twice these.
std::string MetricsBytes(int fontId) {
    std::string widths(256, '\0');
    widths['A'] = static_cast<char>(7 * fontId);
    widths['B'] = static_cast<char>(6 * fontId);
    widths['C'] = static_cast<char>(5 * fontId);
    for (char c = 'a'; c <= 'z'; ++c) widths[static_cast<unsigned char>(c)] = 12;
    widths['@'] = 100;  // wider than a cell: its strip would leave the sheet
    return widths;
}

// Each glyph's strip holds its own colour; the rest of its cell is stray.
std::string SheetBytes(int fontId, int cell) {
    const std::string widths = MetricsBytes(fontId);
    return MakeBmp(cell * 16, cell * 16, [&](int x, int y) {
        unsigned char c = static_cast<unsigned char>((y / cell) * 16 + x / cell);
        const int width = static_cast<signed char>(widths[c]);
        const int inStrip = x % cell - (cell - width) / 2;
        return inStrip >= 0 && inStrip < width ? GlyphColour(fontId, c) : kStray;
    });
}

class FontSetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(display.Create(nullptr));
        ASSERT_TRUE(display.SetWindowed(625, 440));
        dir.WriteFile("Graphics/Gui/Times Roman 10 Font.bmp", SheetBytes(1, 16));
        dir.WriteFile("Graphics/Gui/Times Roman 16 Font.bmp", SheetBytes(2, 32));
        dir.WriteFile("Data/Times Roman 10 Font Metrics.dat", MetricsBytes(1));
        dir.WriteFile("Data/Times Roman 16 Font Metrics.dat", MetricsBytes(2));
        fonts = std::make_unique<FontSet>(display);
    }

    int DrawnPixels(const char* text, int font, std::array<int, 4> box, TextLayout layout) {
        display.FillRect(0, 0, 625, 440, kGround);
        fonts->DrawString(display, text, font, box[0], box[1], box[2], box[3], layout);
        int drawn = 0;
        for (int y = 0; y < 440; ++y)
            for (int x = 0; x < 625; ++x) drawn += display.PixelAt(x, y) != kGround;
        return drawn;
    }

    // Glyph c's strip stands with its top-left corner at (x, y): its corners
    // are there, and the pixel counts above show nothing else is.
    bool GlyphAt(int fontId, char c, int x, int y) const {
        const unsigned char glyph = static_cast<unsigned char>(c);
        const int right = x + fonts->Font(fontId)->Width(glyph) - 1;
        const int bottom = y + 16 * fontId - 1;
        for (auto [px, py] : {std::pair{x, y}, {right, y}, {x, bottom}, {right, bottom}})
            if (display.PixelAt(px, py) != GlyphColour(fontId, glyph))
                return false;
        return true;
    }

    TempWorkDir dir;
    Display display;
    std::unique_ptr<FontSet> fonts;
};

struct Placed {
    char c;
    int x, y;
};
struct LayoutCase {
    const char* text;
    int font;
    TextLayout layout;
    std::array<int, 4> box;  // left, top, right, bottom
    std::vector<Placed> glyphs;
    int drawnWidth;  // the widths of every glyph drawn, added
};
constexpr const char* kAlphabet = "abcdefghijklmnopqrstuvwxyz";

TEST_F(FontSetTest, LaysOutEachLayoutWhereItsRulesPutTheGlyphs) {
    const std::vector<LayoutCase> cases = {
        // Centred: each line by its own width.
        {"AB\nC", 1, Centred, {50, 100, 300, 110}, {{'A', 168, 100}, {'C', 172, 116}}, 18},
        // Right-aligned: neither left nor bottom limits it.
        {"AB\nC", 1, RightAligned, {400, 50, 300, 0}, {{'A', 287, 50}, {'C', 295, 66}}, 18},
        // 'i' starts exactly at the right edge and is drawn whole; the pen then
        // stands at 112, so 'j' is swallowed. A third line would start below
        // the bottom.
        {kAlphabet, 1, Wrapped, {4, 10, 100, 26}, {{'i', 100, 10}, {'s', 100, 26}}, 18 * 12},
        // A glyph wider than its cell advances but draws nothing.
        {"A@B", 1, Wrapped, {10, 10, 600, 10}, {{'A', 10, 10}, {'B', 117, 10}}, 13},
        {"AB\nC", 2, Centred, {50, 100, 300, 110}, {{'B', 176, 100}, {'C', 170, 132}}, 36},
    };
    for (const LayoutCase& test : cases) {
        EXPECT_EQ(DrawnPixels(test.text, test.font, test.box, test.layout),
                  test.drawnWidth * 16 * test.font)
            << test.text << " in font " << test.font;
        for (const Placed& glyph : test.glyphs)
            EXPECT_TRUE(GlyphAt(test.font, glyph.c, glyph.x, glyph.y))
                << test.text << " " << glyph.c;
    }
}

}  // namespace
