#pragma once
#include <array>
#include <cstdint>
#include <cstdlib>

#include "board/Board.h"

namespace board_test {

// A board of the colours 1 to 4 without a single run of two: the colour
// changes along every row, column and diagonal. Tests paint their lines over
// it in Purple and White, which it never uses.
inline int32_t QuietColour(int32_t x, int32_t y) {
    return 1 + (x + 2 * y) % 4;
}

inline void Paint(Board& board, int32_t x, int32_t y, int32_t colour) {
    board.cells[Board::CellIndex(x, y)] = board.CreatePiece(colour);
}

inline void FillQuiet(Board& board) {
    for (int32_t y = 0; y < Board::kRows; ++y) {
        for (int32_t x = 0; x < Board::kColumns; ++x) {
            Paint(board, x, y, QuietColour(x, y));
        }
    }
}

inline void FillAll(Board& board, int32_t colour) {
    for (int32_t i = 0; i < Board::kCellCount; ++i) {
        board.cells[i] = board.CreatePiece(colour);
    }
}

inline std::array<const Piece*, Board::kCellCount> Snapshot(const Board& board) {
    std::array<const Piece*, Board::kCellCount> pointers{};
    for (int32_t i = 0; i < Board::kCellCount; ++i) {
        pointers[i] = board.cells[i].get();
    }
    return pointers;
}

inline int32_t CountColour(const Board& board, int32_t colour) {
    int32_t count = 0;
    for (const auto& cell : board.cells) {
        count += cell && cell->Colour() == colour ? 1 : 0;
    }
    return count;
}

// How many rand() results a call used: the generator is seeded, the call
// runs, and the next result is looked up in the same seed's sequence.
template <typename Call>
int RandCallsMadeBy(unsigned seed, Call&& call, int limit = 100000) {
    std::srand(seed);
    call();
    const int next = std::rand();
    std::srand(seed);
    for (int used = 0; used < limit; ++used) {
        if (std::rand() == next) {
            return used;
        }
    }
    return -1;
}

}  // namespace board_test
