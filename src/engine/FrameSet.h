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

    // Loads at most MAX_FRAMES frames.
    void LoadFrames(Display& display, const std::string& base, int count, int delay, int width,
                    int height);
    std::unique_ptr<Sprite> CreateSprite();
    void FreeFrames();
    int Count() const { return count_; }
    Frame* FrameAt(int index) const;

private:
    std::array<std::unique_ptr<Frame>, MAX_FRAMES> frames_{};
    int count_ = 0;
};
