#pragma once
#include <array>
#include <cstdint>

enum LineDirection : int32_t {
    VerticalLine = 1,
    HorizontalLine = 2,
    DownRightLine = 3,
    UpRightLine = 4,
};

struct GridPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const GridPoint&) const = default;
};

// A maximal run of one colour. Its cells are in scan order, the cell where
// the run began first; entries past `length` stay (0, 0).
struct Line {
    static constexpr int kMaxCells = 10;

    int32_t length = 0;
    LineDirection direction = VerticalLine;
    std::array<GridPoint, kMaxCells> cells{};
};
