#include "board/BluePiece.h"

BluePiece::BluePiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                     std::unique_ptr<Sprite> scared)
    : Piece(Blue, std::move(standard), std::move(emotion), std::move(scared)) {}

void BluePiece::Draw(Display& display, int32_t x, int32_t y) {
    DrawCurrentMood(display, x, y);
}

void BluePiece::Animate() {
    AnimateCurrentMood();
}
