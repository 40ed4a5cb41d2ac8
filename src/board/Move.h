#pragma once
#include <cstdint>

// A move the player could make. For a swap, (x1, y1) is the neighbour and
// (x2, y2) the cell the search started from; for a rotation, the top-left and
// bottom-right cells of the 2 x 2 block.
struct Move {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    bool operator==(const Move&) const = default;
};
