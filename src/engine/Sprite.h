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

    // Indices of MAX_FRAMES or more leave the marker file
    // "ERROR OVER MAX_FRAME.err" and change nothing.
    void SetFrame(Frame* frame, int index);
    void ClearFrames();
    void SetCurrentFrame(int index);
    // The frame on show; nullptr (draws nothing) when there is none or after
    // a bound report.
    const Frame* CurrentFrame() const;
    // Moves on at most one frame once the current frame's time is up.
    void Advance();

    int Current() const { return current_; }

private:
    std::array<Frame*, MAX_FRAMES> frames_{};
    int current_ = 0;
    uint32_t nextChange_ = 0;
};
