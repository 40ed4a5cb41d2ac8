#include "screens/DifficultyPicture.h"

#include "app/SharedState.h"
#include "engine/Display.h"
#include "platform/Clock.h"

void DifficultyPicture::Load(Display& display) {
    easy_ = display.LoadImageFile("Graphics\\Gui\\Easy.bmp", kSize, kSize);
    normal_ = display.LoadImageFile("Graphics\\Gui\\Normal.bmp", kSize, kSize);
    hard_ = display.LoadImageFile("Graphics\\Gui\\Hard.bmp", kSize, kSize);
    shownDifficulty_.reset();
}

void DifficultyPicture::Release() {
    easy_.reset();
    normal_.reset();
    hard_.reset();
    shownDifficulty_.reset();
}

bool DifficultyPicture::StepIfPressed(int x, int y, bool leftDown) const {
    if (!leftDown || x <= left_ || x >= left_ + kSize || y <= top_ || y >= top_ + kSize)
        return false;
    shared.difficulty = NextDifficulty(shared.difficulty);
    // Blocks the game on purpose: a held button steps once per wait.
    SleepFor(kStepWait);
    return true;
}

const Image* DifficultyPicture::Current() const {
    if (shared.difficulty == Easy)
        return easy_.get();
    if (shared.difficulty == NormalDifficulty)
        return normal_.get();
    return hard_.get();
}

void DifficultyPicture::Draw(Display& display) {
    shownDifficulty_ = shared.difficulty;
    display.DrawImage(Current(), left_, top_);
}

void DifficultyPicture::RedrawIfChanged(Display& display, const Image* background) {
    if (shownDifficulty_ == shared.difficulty)
        return;
    display.DrawImagePart(background, left_, top_, left_, top_, left_ + kSize, top_ + kSize);
    Draw(display);
}
