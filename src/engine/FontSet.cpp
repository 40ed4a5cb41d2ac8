#include "engine/FontSet.h"

#include "engine/Display.h"

namespace {
constexpr char kLineBreak = '\n';

struct FontFiles {
    int id;
    const char* sheet;
    int sheetSize;
    int cellSize;
    const char* metrics;
};

constexpr FontFiles kFontFiles[] = {
    {1, "Graphics\\Gui\\Times Roman 10 Font.bmp", 256, 16, "Data\\Times Roman 10 Font Metrics.dat"},
    {2, "Graphics\\Gui\\Times Roman 16 Font.bmp", 512, 32, "Data\\Times Roman 16 Font Metrics.dat"},
};

int WidthUpToBreak(const BitmapFont& font, const char* text) {
    int width = 0;
    for (const char* p = text; *p != '\0' && *p != kLineBreak; ++p) {
        width += font.Width(static_cast<unsigned char>(*p));
    }
    return width;
}
}  // namespace

FontSet::FontSet(Display& display) {
    for (const FontFiles& files : kFontFiles) {
        auto font = std::make_unique<BitmapFont>();
        font->Load(display, files.sheet, files.sheetSize, files.cellSize, files.metrics);
        fonts_[static_cast<size_t>(files.id)] = std::move(font);
    }
}

FontSet::~FontSet() = default;

const BitmapFont* FontSet::Font(int fontId) const {
    if (fontId < 0 || fontId >= static_cast<int>(fonts_.size()))
        return nullptr;
    return fonts_[static_cast<size_t>(fontId)].get();
}

void FontSet::DrawString(Display& display, const char* text, int fontId, int left, int top,
                         int right, int bottom, TextLayout layout) const {
    const BitmapFont* font = Font(fontId);
    if (font == nullptr || text == nullptr)
        return;
    switch (layout) {
        case Wrapped:
            DrawWrapped(display, *font, text, left, top, right, bottom);
            break;
        case RightAligned:
        case Centred:
            DrawAligned(display, *font, text, left, top, right, layout);
            break;
    }
}

void FontSet::DrawWrapped(Display& display, const BitmapFont& font, const char* text, int left,
                          int top, int right, int bottom) {
    int x = left;
    int y = top;
    for (const char* p = text; *p != '\0'; ++p) {
        if (y > bottom)
            return;
        // The character at which a line breaks is swallowed, not carried over.
        if (*p == kLineBreak || x > right) {
            x = left;
            y += font.CellHeight();
            continue;
        }
        x += font.DrawGlyph(display, static_cast<unsigned char>(*p), x, y);
    }
}

void FontSet::DrawAligned(Display& display, const BitmapFont& font, const char* text, int left,
                          int top, int right, TextLayout layout) {
    int y = top;
    for (const char* line = text;; ++line) {
        int width = WidthUpToBreak(font, line);
        int x = layout == Centred ? left + (right - left - width) / 2 : right - width;
        for (; *line != '\0' && *line != kLineBreak; ++line) {
            x += font.DrawGlyph(display, static_cast<unsigned char>(*line), x, y);
        }
        if (*line == '\0')
            return;
        y += font.CellHeight();
    }
}

int FontSet::LineWidth(const char* text, int fontId) const {
    const BitmapFont* font = Font(fontId);
    if (font == nullptr || text == nullptr)
        return 0;
    return WidthUpToBreak(*font, text);
}

int FontSet::LineCount(const char* text) {
    int count = 1;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        if (*p == kLineBreak)
            ++count;
    }
    return count;
}
