#pragma once
#include <array>

#include "board/Line.h"
#include "engine/MotionTimer.h"
#include "modes/GameMode.h"

// The turning variant: 81 buttons on the grid's inner corners each turn the
// 2 x 2 block around them one place clockwise; a turn that makes no line is
// turned back after a short pause.
class RotationalGame : public GameMode {
  public:
    static constexpr int32_t kStartHelpX = 140;
    static constexpr int32_t kStartHelpY = 140;
    static constexpr int32_t kStartHelpDuration = 8000;
    static constexpr uint32_t kTurnBackPause = 100;
    static constexpr int32_t kButtonSize = 20;
    // A corner's click area reaches this far left/up and right/down of it.
    static constexpr int32_t kClickReachBefore = 10;
    static constexpr int32_t kClickReachAfter = 15;

    RotationalGame();
    ~RotationalGame() override;

    void NewGame(Display& display, SoundSystem& soundSystem, int32_t originX, int32_t originY,
                 bool nextLevel, Difficulty difficulty, uint32_t now) override;
    void DrawBoard(Display& display, const FontSet& fonts) override;
    void Update(Display& display, SoundSystem& soundSystem, uint32_t now,
                const FontSet& fonts) override;
    void HandleMouse(int32_t x, int32_t y, bool leftDown, bool rightDown) override;
    void ShowHint() override;
    bool ResumeGame(const std::string& fileName, Display& display, SoundSystem& soundSystem,
                    int32_t originX, int32_t originY, bool nextLevel) override;

    // Moves a running turn on; turns the block once the pieces have arrived,
    // and turns it back (after a 100 ms pause) when that made no line.
    void AdvanceRotation(uint32_t now);
    // The corner (c, r), 1..9 each, whose click area holds the pointer;
    // false when none does.
    bool CornerAt(int32_t px, int32_t py, int32_t& c, int32_t& r) const;

    bool MoveRunning() const override { return rotating_; }
    // Also over when the start help leaves.
    uint32_t QuietFor(uint32_t now) const override;
    bool RotatingBack() const { return rotatingBack_; }
    // The block's top-left cell; (-1, -1) when no block is being turned.
    GridPoint BlockTopLeft() const { return block_[0]; }

  private:
    void LoadRotationAssets(Display& display, SoundSystem& soundSystem);
    void ResetMoveState();
    void ClearBlock();
    void StartRotation(int32_t c, int32_t r);
    void SetBlockPositions(int32_t distance);
    int32_t BlockSlot(int32_t x, int32_t y) const;
    void DrawPieces(Display& display, bool animate);
    void DrawRotateButtons(Display& display);

    ImagePtr rotateButton_;
    ImagePtr rotateButtonPushed_;
    bool rotating_ = false;
    bool rotatingBack_ = false;
    // Top-left, top-right, bottom-right, bottom-left: the order of the turn.
    std::array<GridPoint, 4> block_{};
    std::array<GridPoint, 4> blockPositions_{};
    uint32_t startHelpEnd_ = 0;
    MotionTimer rotationTimer_;
};
