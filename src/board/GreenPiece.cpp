#include "board/GreenPiece.h"

GreenPiece::GreenPiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                       std::unique_ptr<Sprite> scared)
    : Piece(Green, std::move(standard), std::move(emotion), std::move(scared)) {}

void GreenPiece::Draw(Display& display, int32_t x, int32_t y) {
    DrawCurrentMood(display, x, y);
}

void GreenPiece::Animate() {
    AnimateCurrentMood();
}
