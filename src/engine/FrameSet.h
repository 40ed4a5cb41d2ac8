#pragma once
#include <array>
#include <memory>
#include <string>

#include "engine/Frame.h"
#include "engine/Sprite.h"

class Display;

// The frames of one animation, loaded from "<base>1.bmp" ... "<base>N.bmp"
// and owned here; every sprite made from the set shares them.
class FrameSet {
  public:
    FrameSet() = default;
    ~FrameSet();
    FrameSet(const FrameSet&) = delete;
    FrameSet& operator=(const FrameSet&) = delete;

    // Replaces any frames loaded before. Loads at most MAX_FRAMES frames; a
    // negative count loads none.
    void LoadFrames(Display& display, const std::string& base, int count, int delay, int width,
                    int height);
    // A new sprite over this set's frames, showing frame 0.
    std::unique_ptr<Sprite> CreateSprite() const;
    // Frees every frame and its picture; sprites made earlier must not be
    // drawn or advanced afterwards, only cleared and deleted.
    void FreeFrames();
    int Count() const { return count_; }
    // nullptr for an empty slot or an index outside the slots.
    Frame* FrameAt(int index) const;

  private:
    std::array<std::unique_ptr<Frame>, MAX_FRAMES> frames_{};
    int count_ = 0;
};
