#include "board/Board.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "board/BluePiece.h"
#include "board/ColourGrid.h"
#include "board/GreenPiece.h"
#include "board/PurplePiece.h"
#include "board/RedPiece.h"
#include "board/WhitePiece.h"
#include "board/YellowPiece.h"
#include "engine/BoundMarker.h"

namespace {

constexpr int32_t kLineLength = 4;
// Only five colours refill cleared lines, whatever the difficulty.
constexpr int32_t kRefillColours = 5;

int32_t Roll(int32_t sides) {
    return std::rand() % sides + 1;
}

int32_t PointsForLength(int32_t length) {
    static constexpr int32_t kPoints[] = {25, 50, 100, 250, 500, 1000, 5000};
    if (length < 4) {
        return 0;
    }
    return kPoints[std::min(length, 10) - 4];
}

}  // namespace

Board::Board() = default;

Board::~Board() = default;

bool Board::IsInside(int32_t x, int32_t y) {
    return x >= 0 && x < kColumns && y >= 0 && y < kRows;
}

Piece* Board::At(int32_t x, int32_t y) const {
    return IsInside(x, y) ? cells[CellIndex(x, y)].get() : nullptr;
}

bool Board::SwapCells(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (!IsInside(x1, y1) || !IsInside(x2, y2)) {
        return false;
    }
    cells[CellIndex(x1, y1)].swap(cells[CellIndex(x2, y2)]);
    return true;
}

bool Board::RotateBlock(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool clockwise) {
    if (!IsInside(x1, y1) || !IsInside(x2, y2)) {
        return false;
    }
    // The block is always (x1, y1) to (x1 + 1, y1 + 1).
    if (x2 != x1 + 1 || y2 != y1 + 1) {
        return false;
    }
    auto& topLeft = cells[CellIndex(x1, y1)];
    auto& topRight = cells[CellIndex(x2, y1)];
    auto& bottomRight = cells[CellIndex(x2, y2)];
    auto& bottomLeft = cells[CellIndex(x1, y2)];
    if (clockwise) {
        // Each piece moves one place clockwise: the bottom-left one up to the
        // top-left, and so on round.
        topLeft.swap(bottomLeft);
        bottomLeft.swap(bottomRight);
        bottomRight.swap(topRight);
    } else {
        topLeft.swap(topRight);
        topRight.swap(bottomRight);
        bottomRight.swap(bottomLeft);
    }
    return true;
}

std::unique_ptr<Piece> Board::CreatePiece(int32_t colour) {
    if (colour < Blue || colour > White) {
        return nullptr;
    }
    auto standard = PieceFrames(colour, Standard).CreateSprite();
    auto emotion = PieceFrames(colour, Emotion).CreateSprite();
    auto scared = PieceFrames(colour, Scared).CreateSprite();
    Piece* piece = nullptr;
    switch (colour) {
        case Blue:
            piece = new (std::nothrow)
                BluePiece(std::move(standard), std::move(emotion), std::move(scared));
            break;
        case Green:
            piece = new (std::nothrow)
                GreenPiece(std::move(standard), std::move(emotion), std::move(scared));
            break;
        case Red:
            piece = new (std::nothrow)
                RedPiece(std::move(standard), std::move(emotion), std::move(scared));
            break;
        case Yellow:
            piece = new (std::nothrow)
                YellowPiece(std::move(standard), std::move(emotion), std::move(scared));
            break;
        case Purple:
            piece = new (std::nothrow)
                PurplePiece(std::move(standard), std::move(emotion), std::move(scared));
            break;
        default:
            piece = new (std::nothrow)
                WhitePiece(std::move(standard), std::move(emotion), std::move(scared));
            break;
    }
    return std::unique_ptr<Piece>(piece);
}

int32_t Board::RandomColour() const {
    switch (difficulty) {
        case Easy:
            return Roll(5);
        case NormalDifficulty:
            return Roll(6);
        case Hard: {
            // A second roll of 5 or 6 turns any other colour White: 4/9 White.
            const int32_t colour = Roll(6);
            if (colour != White && Roll(6) > 4) {
                return White;
            }
            return colour;
        }
        default:
            return Blue;
    }
}

void Board::PlaceNewPiece(int32_t index, int32_t colour) {
    cells[index] = CreatePiece(colour);
    if (cells[index]) {
        cells[index]->StartGrowing();
    }
}

void Board::PlayClearSound() {
    if (clearSound) {
        clearSound->Play();
    }
}

void Board::FillEmptyCells() {
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (!cells[i]) {
            PlaceNewPiece(i, RandomColour());
        }
    }
}

void Board::DealWithoutLines() {
    FillEmptyCells();
    for (int32_t pass = 0; pass < kMaxDealPasses; ++pass) {
        const LineList lines = FindLines(kLineLength);
        for (const Line& line : lines) {
            for (int32_t i = 0; i < line.length; ++i) {
                PlaceNewPiece(CellIndex(line.cells[i].x, line.cells[i].y), RandomColour());
            }
        }
        // The only trace of a deal that struggled to lose its lines.
        if (pass > 990) {
            LeaveBoundMarker(kDealMarkerFile);
        }
        if (lines.Empty()) {
            return;
        }
    }
}

void Board::NewBoard() {
    hintShown = false;
    hintX1 = hintY1 = hintX2 = hintY2 = -1;
    for (auto& cell : cells) {
        cell.reset();
    }
    DealWithoutLines();
    // Re-rolled cells started later; the whole board grows in together.
    for (auto& cell : cells) {
        if (cell) {
            cell->growing = true;
            cell->growthTimer.Start(Piece::kGrowthRate);
        }
    }
    PlayClearSound();
}

LineList Board::FindLines(int32_t minLength) const {
    LineList lines;
    ColourGrid(cells).FindLines(minLength, lines);
    return lines;
}

void Board::ScoreLines() {
    const LineList lines = FindLines(kLineLength);
    for (const Line& line : lines) {
        const int32_t points = PointsForLength(line.length);
        score += points;
        // At the fourth cell, in grid pixels: the origin is not added.
        if (popups) {
            popups->Spawn(points, kCellPitch * line.cells[3].x, kCellPitch * line.cells[3].y);
        }
    }
}

void Board::ReplaceLineCells() {
    const LineList lines = FindLines(kLineLength);
    if (!lines.Empty()) {
        PlayClearSound();
    }
    for (const Line& line : lines) {
        for (int32_t i = 0; i < line.length; ++i) {
            const int32_t index = CellIndex(line.cells[i].x, line.cells[i].y);
            if (cells[index]) {
                PlaceNewPiece(index, Roll(kRefillColours));
            }
        }
    }
}

// The searches make their trial moves on a copy of the colours, so the board
// itself is never touched. When the board holds no line to begin with, a
// trial makes one exactly when a run of four passes through a moved cell;
// otherwise every trial is checked over the whole grid.
MoveList Board::FindSwapMoves() {
    MoveList moves;
    ColourGrid grid(cells);
    const bool linesBefore = grid.HasLine(kLineLength);
    for (int32_t y = 0; y < kRows; ++y) {
        for (int32_t x = 0; x < kColumns; ++x) {
            for (int32_t ny = y - 1; ny <= y + 1; ++ny) {
                for (int32_t nx = x - 1; nx <= x + 1; ++nx) {
                    if (!IsInside(nx, ny) || (nx == x && ny == y)) {
                        continue;
                    }
                    bool makesLine;
                    if (linesBefore) {
                        grid.Swap(CellIndex(nx, ny), CellIndex(x, y));
                        makesLine = grid.HasLine(kLineLength);
                        grid.Swap(CellIndex(nx, ny), CellIndex(x, y));
                    } else if (grid.At(nx, ny) == grid.At(x, y)) {
                        makesLine = false;
                    } else {
                        grid.Swap(CellIndex(nx, ny), CellIndex(x, y));
                        makesLine = grid.HasLineThrough(nx, ny, kLineLength) ||
                                    grid.HasLineThrough(x, y, kLineLength);
                        grid.Swap(CellIndex(nx, ny), CellIndex(x, y));
                    }
                    if (makesLine) {
                        moves.Add(Move{nx, ny, x, y});
                    }
                }
            }
        }
    }
    return moves;
}

MoveList Board::FindRotationMoves() {
    MoveList moves;
    ColourGrid grid(cells);
    const bool linesBefore = grid.HasLine(kLineLength);
    for (int32_t y = 1; y < kRows; ++y) {
        for (int32_t x = 1; x < kColumns; ++x) {
            grid.Rotate(x - 1, y - 1, true);
            const bool makesLine = linesBefore ? grid.HasLine(kLineLength)
                                               : grid.HasLineThrough(x - 1, y - 1, kLineLength) ||
                                                     grid.HasLineThrough(x, y - 1, kLineLength) ||
                                                     grid.HasLineThrough(x, y, kLineLength) ||
                                                     grid.HasLineThrough(x - 1, y, kLineLength);
            grid.Rotate(x - 1, y - 1, false);
            if (makesLine) {
                moves.Add(Move{x - 1, y - 1, x, y});
            }
        }
    }
    return moves;
}
