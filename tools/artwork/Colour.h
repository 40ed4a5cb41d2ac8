#pragma once
#include <algorithm>

// A colour with channels from 0 to 1. Art colours go through here so that
// mixing and darkening stay in one place.
struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;

    static constexpr Colour Bytes(int red, int green, int blue) {
        return Colour{red / 255.0, green / 255.0, blue / 255.0};
    }
    constexpr Colour Mix(const Colour& other, double t) const {
        return Colour{r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t};
    }
    constexpr Colour Lighter(double t) const { return Mix(Colour{1, 1, 1}, t); }
    constexpr Colour Darker(double t) const {
        return Colour{r * (1 - t), g * (1 - t), b * (1 - t)};
    }
};

namespace palette {
// Ink for outlines and pupils: very dark, never the transparent black.
inline constexpr Colour kInk = Colour::Bytes(28, 22, 48);
inline constexpr Colour kCream = Colour::Bytes(255, 246, 222);
inline constexpr Colour kGold = Colour::Bytes(255, 206, 84);
inline constexpr Colour kOutline = Colour::Bytes(34, 20, 52);
}  // namespace palette
