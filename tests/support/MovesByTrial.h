#pragma once
#include <cstdint>
#include <vector>

#include "board/Board.h"

// The move searches by their definition, for the tests to compare with and
// the benchmark to measure against: every trial is made on the board itself
// with SwapCells / RotateBlock and judged by a full FindLines, in the order
// the searches list their moves.
inline std::vector<Move> SwapMovesByTrial(Board& board) {
    std::vector<Move> moves;
    for (int32_t y = 0; y < Board::kRows; ++y) {
        for (int32_t x = 0; x < Board::kColumns; ++x) {
            for (int32_t ny = y - 1; ny <= y + 1; ++ny) {
                for (int32_t nx = x - 1; nx <= x + 1; ++nx) {
                    if (!Board::IsInside(nx, ny) || (nx == x && ny == y))
                        continue;
                    board.SwapCells(nx, ny, x, y);
                    if (!board.FindLines(4).Empty())
                        moves.push_back({nx, ny, x, y});
                    board.SwapCells(nx, ny, x, y);
                }
            }
        }
    }
    return moves;
}

inline std::vector<Move> RotationMovesByTrial(Board& board) {
    std::vector<Move> moves;
    for (int32_t y = 1; y < Board::kRows; ++y) {
        for (int32_t x = 1; x < Board::kColumns; ++x) {
            board.RotateBlock(x - 1, y - 1, x, y, true);
            if (!board.FindLines(4).Empty())
                moves.push_back({x - 1, y - 1, x, y});
            board.RotateBlock(x - 1, y - 1, x, y, false);
        }
    }
    return moves;
}
