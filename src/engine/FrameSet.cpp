#include "engine/FrameSet.h"

#include <algorithm>

#include "engine/Display.h"

FrameSet::~FrameSet() = default;

void FrameSet::LoadFrames(Display& display, const std::string& base, int count, int delay,
                          int width, int height) {
    FreeFrames();
    count_ = std::clamp(count, 0, MAX_FRAMES);
    for (int i = 0; i < count_; ++i) {
        auto frame = std::make_unique<Frame>();
        frame->image = display.LoadImageFile(base + std::to_string(i + 1) + ".bmp", width, height);
        frame->delay = delay;
        frames_[static_cast<size_t>(i)] = std::move(frame);
    }
}

std::unique_ptr<Sprite> FrameSet::CreateSprite() const {
    auto sprite = std::make_unique<Sprite>();
    for (int i = 0; i < count_; ++i) sprite->SetFrame(FrameAt(i), i);
    sprite->SetCurrentFrame(0);
    return sprite;
}

void FrameSet::FreeFrames() {
    for (auto& frame : frames_) frame.reset();
    count_ = 0;
}

Frame* FrameSet::FrameAt(int index) const {
    if (index < 0 || index >= MAX_FRAMES)
        return nullptr;
    return frames_[static_cast<size_t>(index)].get();
}
