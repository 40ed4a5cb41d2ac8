#include "engine/Sprite.h"

#include "engine/BoundMarker.h"
#include "engine/Frame.h"
#include "platform/Clock.h"

void Sprite::SetFrame(Frame* frame, int index) {
    if (!InSlots(index)) {
        LeaveBoundMarker(kSlotBoundMarker);
        return;
    }
    frames_[static_cast<size_t>(index)] = frame;
}

void Sprite::ClearFrames() {
    frames_.fill(nullptr);
}

void Sprite::SetCurrentFrame(int index) {
    if (!InSlots(index))
        LeaveBoundMarker(kSlotBoundMarker);
    current_ = index;
    nextChange_ = TickCount() + static_cast<uint32_t>(DelayOf(index));
}

const Frame* Sprite::CurrentFrame() const {
    if (!InSlots(current_)) {
        LeaveBoundMarker(kCurrentBoundMarker);
        return nullptr;
    }
    return frames_[static_cast<size_t>(current_)];
}

void Sprite::Advance() {
    uint32_t now = TickCount();
    if (!TickAfter(now, nextChange_))
        return;
    bool hasNext = current_ >= 0 && current_ < MAX_FRAMES - 1 &&
                   frames_[static_cast<size_t>(current_) + 1] != nullptr;
    current_ = hasNext ? current_ + 1 : 0;
    if (frames_[static_cast<size_t>(current_)] != nullptr) {
        nextChange_ = now + static_cast<uint32_t>(DelayOf(current_));
    }
}

uint32_t Sprite::MillisecondsToChange(uint32_t now) const {
    if (frames_[1] == nullptr)
        return UINT32_MAX;
    return TickAfter(now, nextChange_) ? 0 : nextChange_ + 1 - now;
}

int Sprite::DelayOf(int index) const {
    if (!InSlots(index))
        return 0;
    const Frame* frame = frames_[static_cast<size_t>(index)];
    return frame != nullptr ? frame->delay : 0;
}
