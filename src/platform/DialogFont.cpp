#include "platform/DialogFont.h"

#include <algorithm>
#include <optional>

#include "platform/BitmapFile.h"
#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/HostPath.h"

void DialogFont::Load(const TextPrompt& prompt) {
    cell_ = prompt.fontCellSize;
    OwnedSurface sheet(LoadBitmapFile(HostPath(prompt.fontSheet)));
    if (!sheet) {
        DiagnosticLog::Report("dialog", "cannot load \"%s\": %s", prompt.fontSheet.c_str(),
                              SDL_GetError());
    } else {
        mask_ = CoverageMask(sheet.get());
    }
    std::optional<std::string> metrics = ReadWholeFile(HostPath(prompt.fontMetrics), 256);
    if (!metrics) {
        DiagnosticLog::Report("dialog", "cannot read \"%s\"", prompt.fontMetrics.c_str());
        return;
    }
    for (size_t i = 0; i < metrics->size(); ++i) {
        int width = static_cast<signed char>((*metrics)[i]);
        widths_[i] = std::clamp(width, 0, cell_);
    }
}

int DialogFont::Width(std::string_view text) const {
    int sum = 0;
    for (char c : text) sum += Width(static_cast<unsigned char>(c));
    return sum;
}

void DialogFont::Draw(SDL_Surface* target, std::string_view text, int x, int y,
                      SDL_Color colour) const {
    if (mask_)
        SDL_SetSurfaceColorMod(mask_.get(), colour.r, colour.g, colour.b);
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (mask_) {
            SDL_Rect source{(c % 16) * cell_ + (cell_ - widths_[c]) / 2, (c / 16) * cell_,
                            widths_[c], cell_};
            SDL_Rect destination{x, y, widths_[c], cell_};
            SDL_BlitSurface(mask_.get(), &source, target, &destination);
        }
        x += widths_[c];
    }
}

std::vector<std::string> DialogFont::WrapWords(const std::string& text, int width) const {
    std::vector<std::string> lines;
    std::string line;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t wordEnd = std::min(text.find(' ', pos), text.size());
        size_t next = std::min(text.find_first_not_of(' ', wordEnd), text.size());
        std::string word = text.substr(pos, wordEnd - pos);
        if (!line.empty() && Width(line + word) > width) {
            while (!line.empty() && line.back() == ' ') line.pop_back();
            lines.push_back(line);
            line.clear();
        }
        // The blanks after a word stay with it (two after a sentence's end).
        line += text.substr(pos, next - pos);
        pos = next;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

DialogFont::OwnedSurface DialogFont::CoverageMask(SDL_Surface* sheet) {
    OwnedSurface mask(SDL_ConvertSurfaceFormat(sheet, SDL_PIXELFORMAT_ARGB8888, 0));
    if (!mask)
        return nullptr;
    SDL_LockSurface(mask.get());
    for (int row = 0; row < mask->h; ++row) {
        auto* pixels = reinterpret_cast<Uint32*>(static_cast<Uint8*>(mask->pixels) +
                                                 static_cast<size_t>(row) * mask->pitch);
        for (int column = 0; column < mask->w; ++column) {
            Uint32 p = pixels[column];
            Uint32 coverage = std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF});
            pixels[column] = (coverage << 24) | 0xFFFFFF;
        }
    }
    SDL_UnlockSurface(mask.get());
    SDL_SetSurfaceBlendMode(mask.get(), SDL_BLENDMODE_BLEND);
    return mask;
}
