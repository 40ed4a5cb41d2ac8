#pragma once
#include <SDL.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextPrompt.h"

// The game's bitmap font for the dialog window, drawn in any colour: the
// sheet's brightness becomes the glyph's coverage, so the light glyphs on the
// black sheet ground give smooth dark text on a light panel.
class DialogFont {
  public:
    // A missing sheet or metrics file draws nothing and says so on stderr.
    void Load(const TextPrompt& prompt);

    int LineHeight() const { return cell_; }
    int Width(unsigned char c) const { return widths_[c]; }
    int Width(std::string_view text) const;
    void Draw(SDL_Surface* target, std::string_view text, int x, int y, SDL_Color colour) const;
    // The text in lines no wider than `width`, broken at blanks.
    std::vector<std::string> WrapWords(const std::string& text, int width) const;

  private:
    struct SurfaceFree {
        void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
    };
    using OwnedSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

    static OwnedSurface CoverageMask(SDL_Surface* sheet);

    OwnedSurface mask_;
    std::array<int, 256> widths_{};
    int cell_ = 16;
};
