#pragma once
#include <array>
#include <cstdint>
#include <iterator>
#include <memory>

#include "board/LinePoints.h"
#include "board/ScorePopup.h"
#include "engine/Image.h"
#include "engine/Sound.h"

class Display;
class SoundSystem;

// The points pictures, the score sound and the popups now on show.
class ScorePopupList {
  public:
    static constexpr int kSlots = 100;

    // Loads "Graphics\Gui\<N> Points.bmp" (100 x 40) and "Sounds\Score.wav".
    ScorePopupList(Display& display, SoundSystem& soundSystem);
    ~ScorePopupList();
    ScorePopupList(const ScorePopupList&) = delete;
    ScorePopupList& operator=(const ScorePopupList&) = delete;

    // Plays the score sound and shows the picture for `points` (one of
    // kLinePoints) with its top-left corner at (x, y), in the lowest free
    // slot. When every slot is taken only the sound plays.
    void Spawn(int32_t points, int32_t x, int32_t y);
    // Removes popups that finished last tick and draws the rest.
    void UpdateAndDraw(Display& display);

    const ScorePopup* Slot(int index) const;
    int LiveCount() const;
    const Image* PointsImage(int32_t points) const;

  private:
    std::array<ImagePtr, std::size(kLinePoints)> images_;
    Sound sound_;
    std::array<std::unique_ptr<ScorePopup>, kSlots> slots_;
};
