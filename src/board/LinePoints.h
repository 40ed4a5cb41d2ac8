#pragma once
#include <algorithm>
#include <cstdint>
#include <iterator>

// What a line scores by its length, from the shortest line of four cells up
// to a whole row of ten. Every value also has its own popup picture.
inline constexpr int32_t kShortestLine = 4;
inline constexpr int32_t kLinePoints[] = {25, 50, 100, 250, 500, 1000, 5000};
inline constexpr int32_t kLongestScoredLine = kShortestLine + std::size(kLinePoints) - 1;

inline int32_t PointsForLength(int32_t length) {
    if (length < kShortestLine) {
        return 0;
    }
    return kLinePoints[std::min(length, kLongestScoredLine) - kShortestLine];
}
