#include "screens/Button.h"

#include "engine/Display.h"
#include "engine/Sound.h"

namespace {
constexpr uint32_t kClickDelay = 250;
constexpr uint32_t kPressBlock = 500;
}  // namespace

Button::Button() = default;
Button::~Button() = default;

void Button::Load(Display& display, SoundSystem& sound, int x, int y, int width, int height,
                  const std::string& normalPath, const std::string& pushedPath,
                  const std::string& soundPath, uint32_t now) {
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
    pushed_ = false;
    drawn_ = false;
    normalImage_ = display.LoadImageFile(normalPath, width, height);
    pushedImage_ = display.LoadImageFile(pushedPath, width, height);
    clickSound_ = std::make_unique<Sound>();
    clickSound_->LoadWav(soundPath, sound);
    // Not in the tick it was loaded in.
    pressBlock_.Start(now, 0);
    release_.Clear();
}

void Button::Load(Display& display, SoundSystem& sound, const ButtonLayout& layout, uint32_t now) {
    Load(display, sound, layout.x, layout.y, layout.width, layout.height, layout.normalImage,
         layout.pushedImage, layout.sound, now);
}

bool Button::Contains(int mouseX, int mouseY) const {
    // The edge pixels do not count.
    return mouseX > x_ && mouseX < x_ + width_ && mouseY > y_ && mouseY < y_ + height_;
}

void Button::HandleMouse(int mouseX, int mouseY, bool leftDown, bool /*rightDown*/, uint32_t now) {
    // Looked at every tick, so that a block long over is forgotten.
    bool blocked = !pressBlock_.Passed(now);
    if (!leftDown || pushed_ || blocked || !Contains(mouseX, mouseY))
        return;
    StartPress(now);
    if (clickSound_)
        clickSound_->Play(false);
}

void Button::PushSilently(uint32_t now) {
    StartPress(now);
}

void Button::StartPress(uint32_t now) {
    pushed_ = true;
    pressBlock_.Start(now, kPressBlock);
    release_.Start(now, kClickDelay);
}

void Button::Draw(Display& display) const {
    display.DrawImage(pushed_ ? pushedImage_.get() : normalImage_.get(), x_, y_);
    drawn_ = true;
    drawnPushed_ = pushed_;
}

void Button::DrawIfChanged(Display& display) const {
    if (!drawn_ || drawnPushed_ != pushed_)
        Draw(display);
}

bool Button::IsClicked(uint32_t now) const {
    return pushed_ && release_.Passed(now);
}

bool Button::AllSettled(std::initializer_list<const Button*> buttons, uint32_t now) {
    for (const Button* button : buttons) {
        if (!button->Settled(now))
            return false;
    }
    return true;
}

std::unique_ptr<Button> Button::Create(Display& display, SoundSystem& sound,
                                       const ButtonLayout& layout, uint32_t now) {
    auto button = std::make_unique<Button>();
    button->Load(display, sound, layout, now);
    return button;
}

void Button::Release() {
    normalImage_.reset();
    pushedImage_.reset();
    clickSound_.reset();
}
