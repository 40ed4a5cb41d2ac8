#pragma once
#include "engine/MotionTimer.h"
#include "modes/GameMode.h"

// The swapping variant: select a piece, then one of its eight neighbours
// (straight or diagonal); the two change places when that makes a line and
// slide back otherwise.
class NormalGame : public GameMode {
  public:
    static constexpr const char* kStartHelpText = "Vlim lines can be straight or diagonal!";
    static constexpr int32_t kStartHelpX = 220;
    static constexpr int32_t kStartHelpY = 45;

    NormalGame();
    ~NormalGame() override;

    void NewGame(Display& display, SoundSystem& soundSystem, int32_t originX, int32_t originY,
                 bool nextLevel, Difficulty difficulty, uint32_t now) override;
    void DrawBoard(Display& display, const FontSet& fonts) override;
    void Update(Display& display, SoundSystem& soundSystem, uint32_t now,
                const FontSet& fonts) override;
    void HandleMouse(int32_t x, int32_t y, bool leftDown, bool rightDown) override;
    void ShowHint() override;
    bool ResumeGame(const std::string& fileName, Display& display, SoundSystem& soundSystem,
                    int32_t originX, int32_t originY, bool nextLevel) override;

    // A click (or held button) on cell (x, y) while no swap runs.
    void SelectCell(int32_t x, int32_t y);
    // Moves a running swap on by the time passed; exchanges the pieces once
    // they have met, and swaps them back when that made no line.
    void AdvanceSwap(uint32_t now);

    bool HasSelection() const { return selectedX_ >= 0; }
    int32_t SelectedX() const { return selectedX_; }
    int32_t SelectedY() const { return selectedY_; }
    bool MoveRunning() const override { return swapping_; }
    bool SwappingBack() const { return swappingBack_; }

  private:
    // The selected piece keeps its scared look.
    GridPoint KeptMoodCell() const override { return {selectedX_, selectedY_}; }
    void ResetMoveState();
    void ClearSelection();
    void PlaceDemonstrationRow();
    void DrawPieces(Display& display);
    void DrawSelection(Display& display);
    void SetSwapPositions(int32_t distance);

    int32_t selectedX_ = -1;
    int32_t selectedY_ = -1;
    MotionTimer swapTimer_;
    bool swapping_ = false;
    bool swappingBack_ = false;
    int32_t swapAX_ = -1, swapAY_ = -1, swapBX_ = -1, swapBY_ = -1;
    int32_t swapPosAX_ = 0, swapPosAY_ = 0, swapPosBX_ = 0, swapPosBY_ = 0;
};
