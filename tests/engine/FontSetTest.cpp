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
// Sheet pixels of a cell that lie outside the glyph's centred strip.
constexpr uint32_t kStray = 0xFF00FF;

struct TestFont {
    int id;
    int cell;
    const char* sheet;
    const char* metrics;
};
constexpr TestFont kFont1 = {1, 16, "Graphics/Gui/Times Roman 10 Font.bmp",
                             "Data/Times Roman 10 Font Metrics.dat"};
constexpr TestFont kFont2 = {2, 32, "Graphics/Gui/Times Roman 16 Font.bmp",
                             "Data/Times Roman 16 Font Metrics.dat"};

uint32_t GlyphColour(int fontId, unsigned char c) {
    return (fontId == 1 ? 0x100033u : 0x500033u) | (static_cast<uint32_t>(c) << 8);
}

// Font 1 widths; font 2 has twice these. '~' is stored as the byte 0xFE.
std::array<signed char, 256> Widths(int fontId) {
    std::array<signed char, 256> widths{};
    const int scale = fontId == 1 ? 1 : 2;
    widths['A'] = static_cast<signed char>(7 * scale);
    widths['B'] = static_cast<signed char>(6 * scale);
    widths['C'] = static_cast<signed char>(5 * scale);
    for (char c = 'a'; c <= 'z'; ++c) widths[static_cast<unsigned char>(c)] = 12;
    widths['~'] = -2;
    widths['@'] = 100;  // wider than a cell: its strip would leave the sheet
    return widths;
}

std::string MetricsBytes(int fontId) {
    std::array<signed char, 256> widths = Widths(fontId);
    return std::string(reinterpret_cast<const char*>(widths.data()), widths.size());
}

// Each glyph's strip holds its own colour; the rest of its cell is stray.
std::string SheetBytes(const TestFont& font) {
    std::array<signed char, 256> widths = Widths(font.id);
    return MakeBmp(font.cell * 16, font.cell * 16, [&](int x, int y) {
        unsigned char c = static_cast<unsigned char>((y / font.cell) * 16 + x / font.cell);
        int strip = (font.cell - widths[c]) / 2;
        int inCell = x % font.cell;
        return inCell >= strip && inCell < strip + widths[c] ? GlyphColour(font.id, c) : kStray;
    });
}

class FontSetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(display.Create(nullptr));
        ASSERT_TRUE(display.SetWindowed(625, 440));
        for (const TestFont& font : {kFont1, kFont2}) {
            dir.WriteFile(font.sheet, SheetBytes(font));
            dir.WriteFile(font.metrics, MetricsBytes(font.id));
        }
        fonts = std::make_unique<FontSet>(display);
        display.FillRect(0, 0, display.BufferWidth(), display.BufferHeight(), kGround);
    }

    int DrawnPixels() const {
        int drawn = 0;
        for (int y = 0; y < display.BufferHeight(); ++y) {
            for (int x = 0; x < display.BufferWidth(); ++x)
                drawn += display.PixelAt(x, y) != kGround;
        }
        return drawn;
    }

    // The whole strip of glyph c stands with its top-left corner at (x, y).
    ::testing::AssertionResult GlyphAt(int fontId, char c, int x, int y) const {
        const BitmapFont* font = fonts->Font(fontId);
        int width = font->Width(static_cast<unsigned char>(c));
        uint32_t colour = GlyphColour(fontId, static_cast<unsigned char>(c));
        for (int dy = 0; dy < font->CellHeight(); ++dy) {
            for (int dx = 0; dx < width; ++dx) {
                if (display.PixelAt(x + dx, y + dy) != colour) {
                    return ::testing::AssertionFailure()
                           << "'" << c << "' not at (" << x << ", " << y << "): pixel (" << x + dx
                           << ", " << y + dy << ") is " << std::hex
                           << display.PixelAt(x + dx, y + dy);
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    TempWorkDir dir;
    Display display;
    std::unique_ptr<FontSet> fonts;
};

constexpr int kCell1Area = 16;  // font 1 pixels per unit of width

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
    int drawnPixels;
};
}  // namespace

TEST_F(FontSetTest, LaysOutEachLayoutWhereItsRulesPutTheGlyphs) {
    const int c1 = kCell1Area;
    const std::vector<LayoutCase> cases = {
        // Centred: each line by its own width.
        {"AB\nC", 1, Centred, {50, 100, 300, 110}, {{'A', 168, 100}, {'B', 175, 100}}, 18 * c1},
        {"AB\nC", 1, Centred, {50, 100, 300, 110}, {{'C', 50 + (250 - 5) / 2, 116}}, 18 * c1},
        // Wider than its box: the negative half rounds toward zero.
        {"AB", 1, Centred, {100, 300, 100, 300}, {{'A', 100 - 13 / 2, 300}}, 13 * c1},
        // Right-aligned: neither left nor bottom limits it.
        {"AB\nC", 1, RightAligned, {400, 50, 300, 0}, {{'A', 287, 50}, {'C', 295, 66}}, 18 * c1},
        {"ab\ncd", 1, Wrapped, {10, 10, 600, 400}, {{'b', 22, 10}, {'d', 22, 26}}, 48 * c1},
        // 'i' starts exactly at the right edge and is drawn whole; the pen then
        // stands at 112, so 'j' is swallowed. A third line would start below
        // the bottom.
        {"abcdefghijklmnopqrstuvwxyz",
         1,
         Wrapped,
         {4, 10, 100, 26},
         {{'a', 4, 10}, {'i', 100, 10}, {'k', 4, 26}, {'s', 100, 26}},
         18 * 12 * c1},
        // A glyph wider than its cell advances but draws nothing.
        {"A@B", 1, Wrapped, {10, 10, 600, 10}, {{'A', 10, 10}, {'B', 117, 10}}, 13 * c1},
        // Font two: its own sheet, taller lines.
        {"AB\nC",
         2,
         Centred,
         {50, 100, 300, 110},
         {{'A', 162, 100}, {'B', 176, 100}, {'C', 170, 132}},
         (14 + 12 + 10) * 32},
    };
    for (const LayoutCase& test : cases) {
        display.FillRect(0, 0, display.BufferWidth(), display.BufferHeight(), kGround);
        fonts->DrawString(display, test.text, test.font, test.box[0], test.box[1], test.box[2],
                          test.box[3], test.layout);
        for (const Placed& glyph : test.glyphs)
            EXPECT_TRUE(GlyphAt(test.font, glyph.c, glyph.x, glyph.y)) << test.text;
        EXPECT_EQ(DrawnPixels(), test.drawnPixels) << test.text;
    }
}

TEST_F(FontSetTest, EmptyTextAndUnknownFontsDrawNothing) {
    for (TextLayout layout : {Wrapped, RightAligned, Centred}) {
        fonts->DrawString(display, "", 1, 10, 10, 300, 300, layout);
        fonts->DrawString(display, nullptr, 1, 10, 10, 300, 300, layout);
        for (int id : {-1, 0, 3, 9, 10, 1000}) {
            fonts->DrawString(display, "AB", id, 10, 10, 300, 300, layout);
        }
    }
    EXPECT_EQ(DrawnPixels(), 0);
    EXPECT_EQ(fonts->Font(10), nullptr);
    EXPECT_EQ(fonts->Font(-1), nullptr);
}

TEST_F(FontSetTest, MeasuresWithSignedWidthsUpToTheFirstBreak) {
    EXPECT_EQ(fonts->LineWidth("AB", 1), 13);
    EXPECT_EQ(fonts->LineWidth("AB\nCCCC", 1), 13);
    EXPECT_EQ(fonts->LineWidth("A~", 1), 5);
    EXPECT_EQ(fonts->LineWidth("AB", 2), 26);
    EXPECT_EQ(fonts->LineWidth("", 1), 0);
    EXPECT_EQ(fonts->LineWidth("AB", 7), 0);
    EXPECT_EQ(FontSet::LineCount(""), 1);
    EXPECT_EQ(FontSet::LineCount("AB"), 1);
    EXPECT_EQ(FontSet::LineCount("AB\nC\n"), 3);
}

TEST(FontSetMetrics, MissingOrShortMetricsGiveZeroWidths) {
    TempWorkDir dir;
    Display display;
    ASSERT_TRUE(display.Create(nullptr));
    ASSERT_TRUE(display.SetWindowed(625, 440));
    dir.WriteFile(kFont1.sheet, SheetBytes(kFont1));
    dir.WriteFile(kFont2.sheet, SheetBytes(kFont2));
    dir.WriteFile(kFont1.metrics, MetricsBytes(1).substr(0, 'B'));  // ends before 'B'
    FontSet fonts(display);

    EXPECT_EQ(fonts.LineWidth("AB", 1), 7);
    EXPECT_EQ(fonts.LineWidth("AB", 2), 0);
    EXPECT_FALSE(dir.Exists(kFont2.metrics)) << "reading must not create the file";
    display.FillRect(0, 0, 625, 440, kGround);
    fonts.DrawString(display, "AB", 2, 10, 10, 600, 400, Wrapped);
    EXPECT_EQ(display.PixelAt(10, 10), kGround);
}
