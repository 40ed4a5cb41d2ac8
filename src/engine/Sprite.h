#pragma once
#include <array>
#include <cstdint>

struct Frame;

constexpr int MAX_FRAMES = 64;

// One running animation over frames borrowed from a FrameSet: it keeps only
// its own current frame and the tick at which to move on.
class Sprite {
  public:
    Sprite() = default;
    ~Sprite() = default;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // An index outside the slots leaves the marker file
    // "ERROR OVER MAX_FRAME.err" and touches no slot.
    void SetFrame(Frame* frame, int index);
    // Empties every slot; the frames belong to their set and are not freed.
    void ClearFrames();
    // Shows frame `index` from now for its delay. An index outside the slots
    // leaves the same marker; the sprite then shows nothing until Advance
    // brings it back to frame 0.
    void SetCurrentFrame(int index);
    // The frame on show; nullptr (draws nothing) when the slot is empty.
    // While the current index lies outside the slots it also leaves the marker
    // "ERROR OVER CURRENT FRAME OVER OR EQUAL TO MAX_FRAMES.err".
    const Frame* CurrentFrame() const;
    // Moves on one frame, looping at the first empty slot, once the current
    // frame has been shown for strictly more than its delay. One step per
    // call however late it comes; correct across the tick wrap.
    void Advance();

    int Current() const { return current_; }
    // Milliseconds from `now` until Advance moves on to another frame;
    // UINT32_MAX for a sprite of one frame, which never changes.
    uint32_t MillisecondsToChange(uint32_t now) const;

  private:
    static bool InSlots(int index) { return index >= 0 && index < MAX_FRAMES; }
    // Delay of the frame in `index`, 0 for an empty or invalid slot.
    int DelayOf(int index) const;

    std::array<Frame*, MAX_FRAMES> frames_{};
    int current_ = 0;
    uint32_t nextChange_ = 0;
};
