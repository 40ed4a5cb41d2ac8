#include "board/YellowPiece.h"

YellowPiece::YellowPiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                         std::unique_ptr<Sprite> scared)
    : Piece(Yellow, std::move(standard), std::move(emotion), std::move(scared)) {}

void YellowPiece::Draw(Display& display, int32_t x, int32_t y) {
    DrawCurrentMood(display, x, y);
}

void YellowPiece::Animate() {
    AnimateCurrentMood();
}
