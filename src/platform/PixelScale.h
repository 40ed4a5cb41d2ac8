#pragma once

#include <SDL_rect.h>

#include <cstdint>

struct SDL_Surface;
struct SDL_Window;

// The whole factor k (1 to 4) by which the game's pictures are enlarged on a
// screen that the desktop scales: every game pixel becomes a k x k block in
// the window, and a window pixel belongs to the game pixel whose block holds
// it. Nothing above the platform layer sees anything but game pixels.
class PixelScale {
  public:
    static constexpr int kLargest = 4;

    explicit PixelScale(int factor = 1);
    int Factor() const { return factor_; }

    // The game pixel under window pixel `windowPixel` (rounded down, so the
    // last row and column of the window still belong to the game's last ones,
    // and a pointer left of or above the window stays outside the game).
    int ToGame(int windowPixel) const;
    int ToWindow(int gamePixel) const { return gamePixel * factor_; }

    // Makes this the scale that Of finds for `window`; it must live as long.
    void Attach(SDL_Window* window) const;
    // The scale attached to the window `windowId`; 1 for any other window.
    static PixelScale Of(uint32_t windowId);

    // Copies `part` of `frame` onto `target` with every pixel a k x k block
    // at k times its place; `target` is at least k times the frame's size.
    // Returns the part of `target` written.
    SDL_Rect Enlarge(SDL_Surface* frame, const SDL_Rect& part, SDL_Surface* target) const;

    // The whole factor for a desktop scale of `desktopFactor` (1.25 gives
    // 1, 1.5 gives 2), kept within 1 to kLargest.
    static int Rounded(double desktopFactor);
    // The largest factor not above `wanted` whose window of `width` x
    // `height` game pixels fits in `usableWidth` x `usableHeight`; 1 when
    // none does.
    static int Fitting(int wanted, int width, int height, int usableWidth, int usableHeight);

  private:
    // Enlarge for two surfaces of one 32-bit format.
    void Repeat(SDL_Surface* frame, const SDL_Rect& part, SDL_Surface* target) const;

    int factor_;
};
