#include "board/Piece.h"

#include "engine/Display.h"
#include "engine/Frame.h"

Piece::Piece(PieceColour colour, std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
             std::unique_ptr<Sprite> scared)
    : colour_(colour), sprites_{std::move(standard), std::move(emotion), std::move(scared)} {}

Piece::~Piece() {
    // The frames belong to the board's frame sets; only the sprites are ours.
    for (auto& sprite : sprites_) {
        if (sprite) {
            sprite->ClearFrames();
        }
    }
}

void Piece::Draw(Display& display, int32_t x, int32_t y) {
    (void)display, (void)x, (void)y;
}

void Piece::Animate() {}

void Piece::StartGrowing() {
    mood = Standard;
    growing = true;
    growthTimer.Start(kGrowthRate);
}

const Sprite* Piece::MoodSprite(int32_t moodValue) const {
    if (moodValue < Standard || moodValue > Scared) {
        return nullptr;
    }
    return sprites_[moodValue - Standard].get();
}

uint32_t Piece::QuietFor(uint32_t now) const {
    if (growing)
        return 0;
    const Sprite* sprite = MoodSprite(mood);
    return sprite ? sprite->MillisecondsToChange(now) : UINT32_MAX;
}

Sprite* Piece::CurrentSprite() {
    return const_cast<Sprite*>(MoodSprite(mood));
}

void Piece::DrawCurrentMood(Display& display, int32_t x, int32_t y) {
    int32_t size = kSize;
    if (growing) {
        // The timer runs at 40 pixels per second, so its value is the size.
        const float grown = growthTimer.Value();
        size = grown >= kSize ? kSize : static_cast<int32_t>(grown);
        if (size >= kSize) {
            growing = false;
        } else {
            const int32_t offset = (kSize - size) / 2;
            x += offset;
            y += offset;
        }
    }
    const Sprite* sprite = CurrentSprite();
    if (sprite == nullptr || size <= 0) {
        return;
    }
    const Frame* frame = sprite->CurrentFrame();
    if (frame == nullptr || !frame->image) {
        return;
    }
    display.DrawImageScaled(frame->image.get(), x, y, size, size);
}

void Piece::AnimateCurrentMood() {
    if (Sprite* sprite = CurrentSprite()) {
        sprite->Advance();
    }
}
