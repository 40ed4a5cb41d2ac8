#include "board/ScorePopup.h"

ScorePopup::ScorePopup(const Image* picture, Sound* riseSound, int32_t left, int32_t top)
    : x(left), startY(top), image(picture), sound(riseSound) {}

int32_t ScorePopup::CurrentY() const {
    return startY - static_cast<int32_t>(riseTimer.Value());
}
