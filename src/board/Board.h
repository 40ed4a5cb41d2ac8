#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "app/SharedState.h"
#include "board/LineList.h"
#include "board/MoveList.h"
#include "board/Piece.h"
#include "board/ScorePopupList.h"
#include "engine/FrameSet.h"
#include "engine/Sound.h"

// The 10 x 10 grid of pieces and the rules played on it: dealing, lines,
// scoring, refilling and the searches for moves. The game modes derive from
// it and load its frame sets, clear sound and popup list.
class Board {
  public:
    static constexpr int32_t kColumns = 10;
    static constexpr int32_t kRows = 10;
    static constexpr int32_t kCellCount = kColumns * kRows;
    static constexpr int32_t kCellPitch = 40;
    static constexpr int32_t kColourCount = 6;
    static constexpr int32_t kMoodCount = 3;
    static constexpr int32_t kMaxDealPasses = 1000;
    static constexpr const char* kDealMarkerFile = "Num loops more then 990";

    Board();
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    static bool IsInside(int32_t x, int32_t y);
    static int32_t CellIndex(int32_t x, int32_t y) { return x + kColumns * y; }

    // The piece in a cell; nullptr for an empty cell or one outside the grid.
    Piece* At(int32_t x, int32_t y) const;
    // Exchanges two piece pointers; false (and nothing changed) when either
    // cell is outside the grid.
    bool SwapCells(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // Moves the four pieces of the block (x1, y1)-(x2, y2) one place round,
    // clockwise or back. (x2, y2) is (x1 + 1, y1 + 1); false and nothing
    // changed when either corner is outside the grid.
    bool RotateBlock(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool clockwise);

    // A new piece of that colour with its own three mood sprites made from
    // the frame sets; nullptr for a colour outside 1 to 6.
    std::unique_ptr<Piece> CreatePiece(int32_t colour);
    // The colour of a newly dealt piece, by difficulty.
    int32_t RandomColour() const;

    void FillEmptyCells();
    // Fills the board and re-rolls the cells of lines until none is left,
    // giving up after kMaxDealPasses passes.
    void DealWithoutLines();
    // A fresh board, hint cleared, every piece growing in together.
    void NewBoard();

    // Every maximal run of at least `minLength` cells: up-right diagonals,
    // down-right diagonals, columns, then rows.
    LineList FindLines(int32_t minLength) const;
    void ScoreLines();
    void ReplaceLineCells();

    // Every neighbour swap (diagonals included) that makes a line, each pair
    // tried from both of its cells. Leaves the board as it found it.
    MoveList FindSwapMoves();
    // Every clockwise turn of a 2 x 2 block that makes a line. Leaves the
    // board as it found it.
    MoveList FindRotationMoves();

    FrameSet& PieceFrames(int32_t colour, PieceMood mood) {
        return pieceFrames[colour - 1][mood - 1];
    }

    // Played when lines are cleared and when a fresh board is dealt.
    std::unique_ptr<Sound> clearSound;
    // [colour - 1][mood - 1]: the shared frames every piece's sprites borrow.
    std::array<std::array<FrameSet, kMoodCount>, kColourCount> pieceFrames;
    // Cell (x, y) is cells[x + 10 y].
    std::array<std::unique_ptr<Piece>, kCellCount> cells;
    int32_t originX = 0;
    int32_t originY = 0;
    bool hintShown = false;
    int32_t hintX1 = -1;
    int32_t hintY1 = -1;
    int32_t hintX2 = -1;
    int32_t hintY2 = -1;
    // Points scored in the current level.
    int32_t score = 0;
    int32_t difficulty = NormalDifficulty;
    std::unique_ptr<ScorePopupList> popups;

  private:
    // Puts a new piece into the cell, Standard and growing in.
    void PlaceNewPiece(int32_t index, int32_t colour);
    void PlayClearSound();
};
