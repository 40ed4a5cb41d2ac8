#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "board/GameKind.h"
#include "board/LineList.h"
#include "board/MoveList.h"
#include "board/Piece.h"
#include "board/ScorePopupList.h"
#include "engine/FrameSet.h"
#include "engine/Sound.h"

// The 10 x 10 grid of pieces and the rules played on it: dealing, lines,
// scoring, refilling and the searches for moves. The game modes derive from
// it, load its frame sets and hand it its clear sound and popup list.
class Board {
  public:
    static constexpr int32_t kColumns = 10;
    static constexpr int32_t kRows = 10;
    static constexpr int32_t kCellCount = kColumns * kRows;
    static constexpr int32_t kCellPitch = 40;
    static constexpr int32_t kColourCount = 6;
    static constexpr int32_t kMoodCount = 3;
    static constexpr int32_t kMaxDealPasses = 1000;
    // A deal still finding lines this late leaves kDealMarkerFile behind, on
    // every pass from here to the last.
    static constexpr int32_t kDealMarkerPass = 991;
    static constexpr const char* kDealMarkerFile = "Num loops more then 990";

    Board();
    virtual ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    static bool IsInside(int32_t x, int32_t y);
    static int32_t CellIndex(int32_t x, int32_t y) { return x + kColumns * y; }

    // The piece in a cell; nullptr for an empty cell or one outside the grid.
    Piece* At(int32_t x, int32_t y) const;
    // Puts a new piece of that colour, at rest, into the cell: how a board is
    // laid out by hand. A number outside 1 to 6 empties the cell.
    void PlacePiece(int32_t x, int32_t y, int32_t colour);
    // The colour of every cell, 0 for an empty one, in CellIndex order.
    std::array<int32_t, kCellCount> Colours() const;
    // Exchanges two piece pointers; false (and nothing changed) when either
    // cell is outside the grid.
    bool SwapCells(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // Moves the four pieces of the block (x1, y1)-(x2, y2) one place round,
    // clockwise or back. (x2, y2) is (x1 + 1, y1 + 1); false and nothing
    // changed when either corner is outside the grid.
    bool RotateBlock(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool clockwise);

    // A new piece of that colour with its own three mood sprites made from
    // the frame sets.
    std::unique_ptr<Piece> CreatePiece(PieceColour colour);
    // The colour of a newly dealt piece, by difficulty.
    PieceColour RandomColour() const;

    // Empties every cell.
    void Clear();
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

    FrameSet& PieceFrames(PieceColour colour, PieceMood mood) {
        return pieceFrames_[colour - 1][mood - 1];
    }

    // Points scored in the current level.
    int32_t LevelScore() const { return score_; }
    void SetLevelScore(int32_t score) { score_ = score; }
    Difficulty DifficultyLevel() const { return difficulty_; }
    void SetDifficulty(Difficulty difficulty) { difficulty_ = difficulty; }
    // The move the hint marks, while it is shown.
    std::optional<Move> Hint() const { return hint_; }

  protected:
    // Puts a new piece into the cell, Standard and growing in.
    void PlaceNewPiece(int32_t index, PieceColour colour);
    void SetHint(const Move& move) { hint_ = move; }
    void ClearHint() { hint_.reset(); }
    // Played when lines are cleared and when a fresh board is dealt.
    void SetClearSound(std::unique_ptr<Sound> sound);
    void PlayClearSound();
    // Where scored lines show their points; without one they only score.
    void SetPopups(std::unique_ptr<ScorePopupList> popups);
    ScorePopupList* Popups() const { return popups_.get(); }

  private:
    std::unique_ptr<Sound> clearSound_;
    // [colour - 1][mood - 1]: the shared frames every piece's sprites borrow.
    std::array<std::array<FrameSet, kMoodCount>, kColourCount> pieceFrames_;
    // Cell (x, y) is cells_[CellIndex(x, y)].
    std::array<std::unique_ptr<Piece>, kCellCount> cells_;
    std::optional<Move> hint_;
    int32_t score_ = 0;
    Difficulty difficulty_ = NormalDifficulty;
    std::unique_ptr<ScorePopupList> popups_;
};
