#include "board/Board.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "board/ColourGrid.h"
#include "board/LinePoints.h"
#include "engine/BoundMarker.h"

namespace {

constexpr int32_t kLineLength = kShortestLine;
// Only five colours refill cleared lines, whatever the difficulty.
constexpr int32_t kRefillColours = 5;

int32_t Roll(int32_t sides) {
    return std::rand() % sides + 1;
}

// One of the first `colours` colours, each as likely.
PieceColour RollColour(int32_t colours) {
    // 1 to colours (at most 6): a colour by construction.
    return static_cast<PieceColour>(Roll(colours));
}

using PieceMaker = Piece* (*)(std::unique_ptr<Sprite>, std::unique_ptr<Sprite>,
                              std::unique_ptr<Sprite>);

template <PieceColour kColour>
Piece* MakePiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                 std::unique_ptr<Sprite> scared) {
    return new (std::nothrow)
        ColouredPiece<kColour>(std::move(standard), std::move(emotion), std::move(scared));
}

// By colour - 1.
constexpr PieceMaker kPieceMakers[] = {MakePiece<Blue>,   MakePiece<Green>,  MakePiece<Red>,
                                       MakePiece<Yellow>, MakePiece<Purple>, MakePiece<White>};

}  // namespace

Board::Board() = default;

Board::~Board() = default;

bool Board::IsInside(int32_t x, int32_t y) {
    return x >= 0 && x < kColumns && y >= 0 && y < kRows;
}

Piece* Board::At(int32_t x, int32_t y) const {
    return IsInside(x, y) ? cells_[CellIndex(x, y)].get() : nullptr;
}

void Board::PlacePiece(int32_t x, int32_t y, int32_t colour) {
    if (!IsInside(x, y))
        return;
    const std::optional<PieceColour> known = ColourFromCode(colour);
    cells_[CellIndex(x, y)] = known ? CreatePiece(*known) : nullptr;
}

std::array<int32_t, Board::kCellCount> Board::Colours() const {
    std::array<int32_t, kCellCount> colours{};
    for (int32_t i = 0; i < kCellCount; ++i) {
        colours[i] = cells_[i] ? cells_[i]->Colour() : 0;
    }
    return colours;
}

bool Board::SwapCells(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (!IsInside(x1, y1) || !IsInside(x2, y2)) {
        return false;
    }
    cells_[CellIndex(x1, y1)].swap(cells_[CellIndex(x2, y2)]);
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
    auto& topLeft = cells_[CellIndex(x1, y1)];
    auto& topRight = cells_[CellIndex(x2, y1)];
    auto& bottomRight = cells_[CellIndex(x2, y2)];
    auto& bottomLeft = cells_[CellIndex(x1, y2)];
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

std::unique_ptr<Piece> Board::CreatePiece(PieceColour colour) {
    auto standard = PieceFrames(colour, Standard).CreateSprite();
    auto emotion = PieceFrames(colour, Emotion).CreateSprite();
    auto scared = PieceFrames(colour, Scared).CreateSprite();
    return std::unique_ptr<Piece>(
        kPieceMakers[colour - 1](std::move(standard), std::move(emotion), std::move(scared)));
}

PieceColour Board::RandomColour() const {
    switch (difficulty_) {
        case Easy:
            return RollColour(5);
        case NormalDifficulty:
            return RollColour(6);
        case Hard: {
            // A second roll of 5 or 6 turns any other colour White: 4/9 White.
            const PieceColour colour = RollColour(6);
            if (colour != White && Roll(6) > 4) {
                return White;
            }
            return colour;
        }
        default:
            // Only a value forced past DifficultyFromCode gets here.
            return Blue;
    }
}

void Board::PlaceNewPiece(int32_t index, PieceColour colour) {
    cells_[index] = CreatePiece(colour);
    if (cells_[index]) {
        cells_[index]->StartGrowing();
    }
}

void Board::SetClearSound(std::unique_ptr<Sound> sound) {
    clearSound_ = std::move(sound);
}

void Board::SetPopups(std::unique_ptr<ScorePopupList> popups) {
    popups_ = std::move(popups);
}

void Board::PlayClearSound() {
    if (clearSound_) {
        clearSound_->Play();
    }
}

void Board::Clear() {
    for (auto& cell : cells_) {
        cell.reset();
    }
}

void Board::FillEmptyCells() {
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (!cells_[i]) {
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
        if (pass >= kDealMarkerPass) {
            LeaveBoundMarker(kDealMarkerFile);
        }
        if (lines.Empty()) {
            return;
        }
    }
}

void Board::NewBoard() {
    ClearHint();
    Clear();
    DealWithoutLines();
    // Re-rolled cells started later; the whole board grows in together.
    for (auto& cell : cells_) {
        if (cell) {
            cell->growing = true;
            cell->growthTimer.Start(Piece::kGrowthRate);
        }
    }
    PlayClearSound();
}

LineList Board::FindLines(int32_t minLength) const {
    LineList lines;
    ColourGrid(cells_).FindLines(minLength, lines);
    return lines;
}

void Board::ScoreLines() {
    const LineList lines = FindLines(kLineLength);
    for (const Line& line : lines) {
        const int32_t points = PointsForLength(line.length);
        // A saved game can bring a level score near the top of 32 bits; it
        // stays at the largest instead of wrapping.
        score_ = static_cast<int32_t>(std::min<int64_t>(int64_t{score_} + points, INT32_MAX));
        // At the fourth cell, in grid pixels: the origin is not added.
        if (popups_) {
            popups_->Spawn(points, kCellPitch * line.cells[3].x, kCellPitch * line.cells[3].y);
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
            if (cells_[index]) {
                PlaceNewPiece(index, RollColour(kRefillColours));
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
    ColourGrid grid(cells_);
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
    ColourGrid grid(cells_);
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
