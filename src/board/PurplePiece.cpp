#include "board/PurplePiece.h"

PurplePiece::PurplePiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                         std::unique_ptr<Sprite> scared)
    : Piece(Purple, std::move(standard), std::move(emotion), std::move(scared)) {}

void PurplePiece::Draw(Display& display, int32_t x, int32_t y) {
    DrawCurrentMood(display, x, y);
}

void PurplePiece::Animate() {
    AnimateCurrentMood();
}
