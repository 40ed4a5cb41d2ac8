#include "board/WhitePiece.h"

WhitePiece::WhitePiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                       std::unique_ptr<Sprite> scared)
    : Piece(White, std::move(standard), std::move(emotion), std::move(scared)) {}

void WhitePiece::Draw(Display& display, int32_t x, int32_t y) {
    DrawCurrentMood(display, x, y);
}

void WhitePiece::Animate() {
    AnimateCurrentMood();
}
