#include "board/RedPiece.h"

RedPiece::RedPiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                   std::unique_ptr<Sprite> scared)
    : Piece(Red, std::move(standard), std::move(emotion), std::move(scared)) {}

void RedPiece::Draw(Display& display, int32_t x, int32_t y) {
    DrawCurrentMood(display, x, y);
}

void RedPiece::Animate() {
    AnimateCurrentMood();
}
