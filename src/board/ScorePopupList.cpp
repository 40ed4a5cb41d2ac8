#include "board/ScorePopupList.h"

#include <algorithm>
#include <string>

#include "engine/Display.h"

ScorePopupList::ScorePopupList(Display& display, SoundSystem& soundSystem) {
    for (size_t i = 0; i < images_.size(); ++i) {
        const std::string path = "Graphics\\Gui\\" + std::to_string(kLinePoints[i]) + " Points.bmp";
        images_[i] = display.LoadImageFile(path, 100, 40);
    }
    sound_.LoadWav("Sounds\\Score.wav", soundSystem);
}

ScorePopupList::~ScorePopupList() = default;

const Image* ScorePopupList::PointsImage(int32_t points) const {
    for (size_t i = 0; i < images_.size(); ++i) {
        if (kLinePoints[i] == points) {
            return images_[i].get();
        }
    }
    return nullptr;
}

void ScorePopupList::Spawn(int32_t points, int32_t x, int32_t y) {
    const Image* image = PointsImage(points);
    if (image == nullptr) {
        return;
    }
    // The sound marks every scored line, even one whose picture finds no slot.
    sound_.Play();
    const auto freeSlot = std::find(slots_.begin(), slots_.end(), nullptr);
    if (freeSlot == slots_.end()) {
        return;
    }
    *freeSlot = std::make_unique<ScorePopup>(image, &sound_, x, y);
    (*freeSlot)->riseTimer.Start(ScorePopup::kRiseRate);
}

void ScorePopupList::UpdateAndDraw(Display& display) {
    for (auto& popup : slots_) {
        if (!popup) {
            continue;
        }
        if (popup->done) {
            popup.reset();
            continue;
        }
        const int32_t y = popup->CurrentY();
        if (y <= popup->startY - ScorePopup::kRiseDistance) {
            // Drawn once more this tick, removed on the next.
            popup->done = true;
        }
        display.DrawImage(popup->image, popup->x, std::max(y, 0));
    }
}

const ScorePopup* ScorePopupList::Slot(int index) const {
    if (index < 0 || index >= kSlots) {
        return nullptr;
    }
    return slots_[index].get();
}

int ScorePopupList::LiveCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const auto& popup) { return popup != nullptr; }));
}
