#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "board/LineList.h"

class Piece;

// A copy of the board's colours, on which lines are found and trial moves are
// made without touching a single piece. An empty cell gets a code of its own
// that matches no other cell.
class ColourGrid {
  public:
    static constexpr int32_t kSide = 10;
    static constexpr int32_t kCellCount = kSide * kSide;

    explicit ColourGrid(const std::array<std::unique_ptr<Piece>, kCellCount>& cells);

    int32_t At(int32_t x, int32_t y) const { return colours_[x + kSide * y]; }
    void Swap(int32_t indexA, int32_t indexB);
    // Turns the 2 x 2 block whose top-left cell is (x, y) one place.
    void Rotate(int32_t x, int32_t y, bool clockwise);

    // Every maximal run of at least minLength cells, in scan order: up-right
    // diagonals from their lower-left ends, down-right diagonals from their
    // upper-left ends, columns from the top, rows from the left.
    void FindLines(int32_t minLength, LineList& lines) const;
    // Whether any run of at least minLength cells exists anywhere.
    bool HasLine(int32_t minLength) const;
    // Whether a run of at least minLength cells passes through (x, y).
    bool HasLineThrough(int32_t x, int32_t y, int32_t minLength) const;

  private:
    template <typename OnRun>
    void ScanAll(int32_t minLength, OnRun&& onRun) const;
    template <typename OnRun>
    void ScanRuns(int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t cellCount,
                  int32_t minLength, LineDirection direction, OnRun&& onRun) const;
    int32_t RunLength(int32_t x, int32_t y, int32_t dx, int32_t dy) const;

    std::array<int32_t, kCellCount> colours_;
};
