#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "platform/PixelScale.h"

// A press anywhere on a window pixel lands on the game pixel under it, the
// window's last row and column included, and nothing outside the window
// lands inside the game.
TEST(PixelScaleTest, WindowPixelsMapOntoTheGamePixelUnderThem) {
    for (int k = 1; k <= 4; ++k) {
        PixelScale scale(k);
        const std::pair<int, int> places[] = {
            {0, 0}, {k - 1, 0}, {k, 1}, {625 * k - 1, 624}, {625 * k, 625}, {-1, -1}};
        for (const auto& [window, game] : places)
            EXPECT_EQ(scale.ToGame(window), game) << k << " " << window;
        EXPECT_EQ(scale.ToGame(scale.ToWindow(321) + k / 2), 321) << k;
    }
}

// A screen that cannot hold 3: tests/e2e/test_scale.sh.
TEST(PixelScaleTest, DesktopFactorsRoundToAWholeFactorThatFits) {
    const std::pair<double, int> rounded[] = {{1.25, 1}, {1.5, 2}, {6.0, 4}, {0.75, 1}};
    for (const auto& [factor, k] : rounded) EXPECT_EQ(PixelScale::Rounded(factor), k) << factor;
    EXPECT_EQ(PixelScale::Fitting(3, 625, 440, 1875, 1320), 3);
    EXPECT_EQ(PixelScale::Fitting(2, 625, 440, 1280, 800), 1);
}

// Only the part asked for is shown, every pixel of it an exact k x k block.
TEST(PixelScaleTest, EnlargesAPartIntoExactBlocks) {
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, 4, 3, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, 12, 9, 32, SDL_PIXELFORMAT_RGB888);
    ASSERT_TRUE(frame && window);
    auto at = [](SDL_Surface* s, int x, int y) -> uint32_t& {
        return static_cast<uint32_t*>(s->pixels)[y * s->pitch / 4 + x];
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            at(frame, x, y) = 0x010101u * static_cast<uint32_t>(1 + x + 4 * y);
    SDL_FillRect(window, nullptr, 0);
    SDL_Rect written = PixelScale(3).Enlarge(frame, SDL_Rect{1, 1, 2, 2}, window);
    EXPECT_TRUE(written.x == 3 && written.y == 3 && written.w == 6 && written.h == 6);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            bool inside = x >= 3 && x < 9 && y >= 3;
            EXPECT_EQ(at(window, x, y), inside ? at(frame, x / 3, y / 3) : 0u) << x << "," << y;
        }
    }
    SDL_FreeSurface(frame);
    SDL_FreeSurface(window);
}
