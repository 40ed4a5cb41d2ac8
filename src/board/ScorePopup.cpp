#include "board/ScorePopup.h"

ScorePopup::ScorePopup(const Image* image, Sound* sound, int32_t x, int32_t startY)
    : x(x), startY(startY), image(image), sound(sound) {}

int32_t ScorePopup::CurrentY() const {
    return startY - static_cast<int32_t>(riseTimer.Value());
}
