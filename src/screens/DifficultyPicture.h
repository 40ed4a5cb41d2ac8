#pragma once
#include <cstdint>
#include <optional>

#include "board/GameKind.h"
#include "engine/Image.h"

class Display;

// The clickable picture of the current difficulty on the start and score
// screens. A click strictly inside it steps `shared.difficulty` 1, 2, 3, 1.
class DifficultyPicture {
  public:
    static constexpr int kSize = 150;
    // Holding the button on the picture steps the difficulty at this pace.
    static constexpr uint32_t kStepWait = 500;

    DifficultyPicture(int left, int top) : left_(left), top_(top) {}

    void Load(Display& display);
    void Release();
    // Steps the difficulty when the left button is held inside the picture,
    // then blocks the game for the step wait. True when it stepped.
    bool StepIfPressed(int x, int y, bool leftDown) const;
    void Draw(Display& display);
    // Repaints the picture over `background` only when the difficulty
    // changed since it was last drawn.
    void RedrawIfChanged(Display& display, const Image* background);

    int Left() const { return left_; }
    int Top() const { return top_; }

  private:
    const Image* Current() const;

    int left_;
    int top_;
    ImagePtr easy_;
    ImagePtr normal_;
    ImagePtr hard_;
    std::optional<Difficulty> shownDifficulty_;
};
