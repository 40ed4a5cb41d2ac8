#pragma once
#include <cstdint>
#include <string>

#include "board/Board.h"
#include "board/Line.h"
#include "engine/Image.h"
#include "engine/Sound.h"
#include "platform/Deadline.h"

class Display;
class SoundSystem;
class FontSet;

// One game variant played on the board. The play screen builds a fresh mode
// for every game, level and resume, calls exactly one of NewGame or
// ResumeGame, then HandleMouse and Update every tick. It reads the level's
// points and the difficulty from the board, and may set the level's points
// right after ResumeGame.
class GameMode : public Board {
  public:
    static constexpr int32_t kCheckInterval = 2000;    // ms between board checks
    static constexpr int32_t kNoMovesDuration = 2500;  // ms "No Moves Left" shows
    static constexpr float kMoveSpeed = 80.0f;         // pixels per second
    static constexpr int32_t kHintCost = 100;
    static constexpr int32_t kNoMovesX = 110;
    static constexpr int32_t kNoMovesY = 195;
    static constexpr int32_t kBoardAreaWidth = 420;

    explicit GameMode(GameVariant variant);
    ~GameMode() override;

    // `now` is the tick the game starts in.
    virtual void NewGame(Display& display, SoundSystem& soundSystem, int32_t originX,
                         int32_t originY, bool nextLevel, Difficulty difficulty, uint32_t now) = 0;
    // Draws the whole board area at rest, without notices or popups.
    virtual void DrawBoard(Display& display, const FontSet& fonts) = 0;
    // One frame: board check, move animation, then the board area drawn.
    virtual void Update(Display& display, SoundSystem& soundSystem, uint32_t now,
                        const FontSet& fonts) = 0;
    virtual void HandleMouse(int32_t x, int32_t y, bool leftDown, bool rightDown) = 0;
    virtual void ShowHint() = 0;
    // Writes the saved game (variant, difficulty, level, total, colours);
    // false when it could not be written (the old file then stays).
    virtual bool SaveGame(const std::string& fileName, int32_t level, int32_t totalScore);
    // Restores the board from a saved game. A file that is missing or cannot
    // be played on (see SavedGame) gives a freshly dealt board at the mode's
    // difficulty instead, and false, so the mode is always playable.
    virtual bool ResumeGame(const std::string& fileName, Display& display, SoundSystem& soundSystem,
                            int32_t originX, int32_t originY, bool nextLevel) = 0;

    // How long from the tick `now` the board would show nothing new without
    // input: while no move, popup or notice runs, no piece grows, no button
    // is held and every piece already looks as the next hover pass makes it
    // look, until the next board check or the next frame of an animated
    // piece (one under the pointer, a hint's); 0 otherwise. A variant with
    // timers of its own bounds it by them.
    virtual uint32_t QuietFor(uint32_t now) const;
    // A swap or turn is on its way (or on its way back).
    virtual bool MoveRunning() const = 0;

    GameVariant Variant() const { return variant_; }
    bool StartHelpShown() const { return startHelpShown_; }
    bool NoMovesShown() const { return noMovesShown_; }
    uint32_t NextCheckTime() const { return nextCheck_.At(); }
    // True when the pointer is over cell (x, y): strictly inside its 6..34
    // pixel core, so the gaps between pieces belong to no cell.
    bool PointsAt(int32_t px, int32_t py, int32_t x, int32_t y) const;

  protected:
    // The images and sounds both variants load; `startHelpFile` differs.
    void LoadAssets(Display& display, SoundSystem& soundSystem, const char* startHelpFile);
    // What every game start shares: fields reset, origin set.
    void ResetGameFields(int32_t originX, int32_t originY);
    // Piece frames, random seed and the start sound (skipped for a new level).
    void StartPlay(Display& display, bool nextLevel);
    // The board check runs on the first Update; the popup list is fresh.
    void StartBoardCheck(Display& display, SoundSystem& soundSystem);
    // Everything ResumeGame does but the variant's own move state.
    bool ResumeCommon(const std::string& fileName, Display& display, SoundSystem& soundSystem,
                      int32_t originX, int32_t originY, bool nextLevel);
    // Creates a piece of each saved colour, growing in like a fresh deal.
    bool RestoreBoard(const std::string& fileName);
    // Scores and replaces the lines now standing.
    void ResolveLines();
    // The lines now standing are resolved and the next check is due in 2 s.
    void RunBoardCheck(uint32_t now);
    void StartNoMovesNotice(uint32_t now);
    void DrawBackgroundPart(Display& display);
    void DrawPiece(Display& display, int32_t index, int32_t x, int32_t y);
    void DrawBackgroundWhole(Display& display);
    // Draws "No Moves Left" and deals a new board once its time is up.
    void DrawAndEndNoMoves(Display& display, uint32_t now);
    bool LineStands() const;
    bool IsHintCell(int32_t x, int32_t y) const;
    // Every HandleMouse first notes the pointer: the next tick sees it the
    // same unless input arrives, and the quiet depends on it.
    void NotePointer(int32_t x, int32_t y, bool leftDown);
    // The cell whose piece keeps its mood through the hover pass; none here.
    virtual GridPoint KeptMoodCell() const { return {-1, -1}; }
    // The piece under the pointer looks happy, the others calm, except the
    // hint's pieces and KeptMoodCell's, which keep their mood.
    void UpdateHoverMoods();
    // The mood the hover pass gives the piece in (x, y), which has `mood`.
    PieceMood HoverMood(int32_t x, int32_t y, PieceMood mood) const;
    // A move's end (a swap back, a turn, a hint cleared) can leave pieces
    // looking otherwise than the pointer and the hint make them look.
    bool HoverMoodsSettled() const;
    void ChargeForHint();
    // Charges for the hint and marks the first move found, if any.
    void ShowHintFor(const MoveList& moves);
    int32_t CellLeft(int32_t x) const { return originX_ + kCellPitch * x; }
    int32_t CellTop(int32_t y) const { return originY_ + kCellPitch * y; }

    ImagePtr background_;
    ImagePtr selectionMark_;
    ImagePtr startHelpImage_;
    ImagePtr noMovesImage_;
    Sound selectSound_;
    // The board is checked for lines and moves once this has passed.
    Deadline nextCheck_;
    // The screen position of the board's top-left cell.
    int32_t originX_ = 0;
    int32_t originY_ = 0;
    GameVariant variant_;
    bool startHelpShown_ = false;
    int32_t startHelpX_ = 0;
    int32_t startHelpY_ = 0;
    bool noMovesShown_ = false;
    Deadline noMovesEnd_;
    int32_t pointerX_ = -1;
    int32_t pointerY_ = -1;
    bool pointerDown_ = false;
};
