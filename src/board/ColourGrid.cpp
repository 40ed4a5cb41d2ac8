#include "board/ColourGrid.h"

#include <algorithm>
#include <utility>

#include "board/Piece.h"

ColourGrid::ColourGrid(const std::array<std::unique_ptr<Piece>, kCellCount>& cells) {
    for (int32_t i = 0; i < kCellCount; ++i) {
        // Negative codes for empty cells: unique, so they never form a run.
        colours_[i] = cells[i] ? cells[i]->Colour() : -1 - i;
    }
}

void ColourGrid::Swap(int32_t indexA, int32_t indexB) {
    std::swap(colours_[indexA], colours_[indexB]);
}

void ColourGrid::Rotate(int32_t x, int32_t y, bool clockwise) {
    int32_t& topLeft = colours_[x + kSide * y];
    int32_t& topRight = colours_[x + 1 + kSide * y];
    int32_t& bottomRight = colours_[x + 1 + kSide * (y + 1)];
    int32_t& bottomLeft = colours_[x + kSide * (y + 1)];
    const int32_t saved = topLeft;
    if (clockwise) {
        topLeft = bottomLeft;
        bottomLeft = bottomRight;
        bottomRight = topRight;
        topRight = saved;
    } else {
        topLeft = topRight;
        topRight = bottomRight;
        bottomRight = bottomLeft;
        bottomLeft = saved;
    }
}

// One column, row or diagonal of cellCount cells from (x, y) in steps of
// (dx, dy). onRun(lastCellPosition, runLength) is called for every run of at
// least minLength cells, including one that ends at the last cell.
template <typename OnRun>
void ColourGrid::ScanRuns(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t cellCount,
                          int32_t minLength, LineDirection direction, OnRun&& onRun) const {
    const int32_t step = dx + kSide * dy;
    int32_t index = x + kSide * y;
    int32_t running = colours_[index];
    int32_t run = 1;
    for (int32_t i = 1; i < cellCount; ++i) {
        index += step;
        const int32_t colour = colours_[index];
        if (colour == running) {
            ++run;
            if (i == cellCount - 1 && run >= minLength) {
                onRun(x, y, dx, dy, i, run, direction);
            }
        } else {
            if (run >= minLength) {
                onRun(x, y, dx, dy, i - 1, run, direction);
            }
            running = colour;
            run = 1;
        }
    }
}

template <typename OnRun>
void ColourGrid::ScanAll(int32_t minLength, OnRun&& onRun) const {
    const int32_t last = kSide - 1;
    // Up-right diagonals: those starting in the left column, bottom first,
    // then those starting in the bottom row.
    for (int32_t y = last; y >= std::max(minLength - 1, 0); --y) {
        ScanRuns(0, y, 1, -1, y + 1, minLength, UpRightLine, onRun);
    }
    for (int32_t x = 1; x <= last - 1; ++x) {
        ScanRuns(x, last, 1, -1, kSide - x, minLength, UpRightLine, onRun);
    }
    // Down-right diagonals: left column top first, then the top row.
    const int32_t lastStart = std::min(kSide + 1 - minLength, last);
    for (int32_t y = 0; y <= lastStart; ++y) {
        ScanRuns(0, y, 1, 1, kSide - y, minLength, DownRightLine, onRun);
    }
    for (int32_t x = 1; x <= lastStart; ++x) {
        ScanRuns(x, 0, 1, 1, kSide - x, minLength, DownRightLine, onRun);
    }
    for (int32_t x = 0; x < kSide; ++x) {
        ScanRuns(x, 0, 0, 1, kSide, minLength, VerticalLine, onRun);
    }
    for (int32_t y = 0; y < kSide; ++y) {
        ScanRuns(0, y, 1, 0, kSide, minLength, HorizontalLine, onRun);
    }
}

void ColourGrid::FindLines(int32_t minLength, LineList& lines) const {
    ScanAll(minLength, [&lines](int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t lastCell,
                                int32_t run, LineDirection direction) {
        Line line;
        line.length = std::min(run, Line::kMaxCells);
        line.direction = direction;
        const int32_t first = lastCell - run + 1;
        for (int32_t i = 0; i < line.length; ++i) {
            line.cells[i] = GridPoint{x + (first + i) * dx, y + (first + i) * dy};
        }
        lines.Add(line);
    });
}

bool ColourGrid::HasLine(int32_t minLength) const {
    bool found = false;
    ScanAll(minLength, [&found](auto...) { found = true; });
    return found;
}

int32_t ColourGrid::RunLength(int32_t x, int32_t y, int32_t dx, int32_t dy) const {
    const int32_t colour = At(x, y);
    auto inside = [](int32_t cx, int32_t cy) {
        return cx >= 0 && cx < kSide && cy >= 0 && cy < kSide;
    };
    int32_t run = 1;
    for (int32_t cx = x + dx, cy = y + dy; inside(cx, cy) && At(cx, cy) == colour;
         cx += dx, cy += dy) {
        ++run;
    }
    for (int32_t cx = x - dx, cy = y - dy; inside(cx, cy) && At(cx, cy) == colour;
         cx -= dx, cy -= dy) {
        ++run;
    }
    return run;
}

bool ColourGrid::HasLineThrough(int32_t x, int32_t y, int32_t minLength) const {
    return RunLength(x, y, 0, 1) >= minLength || RunLength(x, y, 1, 0) >= minLength ||
           RunLength(x, y, 1, 1) >= minLength || RunLength(x, y, 1, -1) >= minLength;
}
