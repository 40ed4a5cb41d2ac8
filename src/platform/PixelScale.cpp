#include "platform/PixelScale.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
constexpr const char* kWindowData = "vlims.scale";
}  // namespace

PixelScale::PixelScale(int factor) : factor_(std::clamp(factor, 1, kLargest)) {}

void PixelScale::Attach(SDL_Window* window) const {
    SDL_SetWindowData(window, kWindowData, const_cast<PixelScale*>(this));
}

PixelScale PixelScale::Of(uint32_t windowId) {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    auto* attached =
        window ? static_cast<PixelScale*>(SDL_GetWindowData(window, kWindowData)) : nullptr;
    return attached ? *attached : PixelScale();
}

int PixelScale::ToGame(int windowPixel) const {
    // Division that rounds toward minus infinity: -1 is left of the window,
    // not on its first column.
    int quotient = windowPixel / factor_;
    return windowPixel % factor_ < 0 ? quotient - 1 : quotient;
}

SDL_Rect PixelScale::Enlarge(SDL_Surface* frame, const SDL_Rect& part, SDL_Surface* target) const {
    SDL_Rect written{part.x * factor_, part.y * factor_, part.w * factor_, part.h * factor_};
    if (factor_ == 1) {
        SDL_Rect from = part, to = written;
        SDL_BlitSurface(frame, &from, target, &to);
    } else if (target->format->format == frame->format->format &&
               target->format->BytesPerPixel == 4 && SDL_LockSurface(target) == 0) {
        Repeat(frame, part, target);
        SDL_UnlockSurface(target);
    } else {
        // A target in another pixel format: SDL converts, at some cost.
        SDL_Rect from = part, to = written;
        SDL_BlitScaled(frame, &from, target, &to);
    }
    return written;
}

void PixelScale::Repeat(SDL_Surface* frame, const SDL_Rect& part, SDL_Surface* target) const {
    const size_t rowBytes = static_cast<size_t>(part.w) * factor_ * sizeof(uint32_t);
    for (int y = part.y; y < part.y + part.h; ++y) {
        const auto* from =
            reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(frame->pixels) +
                                              static_cast<ptrdiff_t>(y) * frame->pitch) +
            part.x;
        auto* firstRow = static_cast<uint8_t*>(target->pixels) +
                         static_cast<ptrdiff_t>(y) * factor_ * target->pitch;
        uint32_t* to =
            reinterpret_cast<uint32_t*>(firstRow) + static_cast<ptrdiff_t>(part.x) * factor_;
        for (int x = 0; x < part.w; ++x) {
            std::fill_n(to, factor_, from[x]);
            to += factor_;
        }
        // The block's other rows are the same pixels again.
        for (int repeat = 1; repeat < factor_; ++repeat) {
            std::memcpy(firstRow + static_cast<ptrdiff_t>(repeat) * target->pitch +
                            static_cast<ptrdiff_t>(part.x) * factor_ * sizeof(uint32_t),
                        firstRow + static_cast<ptrdiff_t>(part.x) * factor_ * sizeof(uint32_t),
                        rowBytes);
        }
    }
}

int PixelScale::Rounded(double desktopFactor) {
    if (!(desktopFactor >= 1))  // also a NaN
        return 1;
    return static_cast<int>(std::min<double>(std::floor(desktopFactor + 0.5), kLargest));
}

int PixelScale::Fitting(int wanted, int width, int height, int usableWidth, int usableHeight) {
    int factor = std::clamp(wanted, 1, kLargest);
    while (factor > 1 && (width * factor > usableWidth || height * factor > usableHeight)) --factor;
    return factor;
}
