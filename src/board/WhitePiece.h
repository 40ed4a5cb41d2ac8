#pragma once
#include "board/Piece.h"

class WhitePiece : public Piece {
  public:
    WhitePiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
               std::unique_ptr<Sprite> scared);
    void Draw(Display& display, int32_t x, int32_t y) override;
    void Animate() override;
};
