#pragma once
#include "app/ScreenCode.h"

class Display;
class SoundSystem;

// A full-window screen. It loads its assets in Enter and frees them all in
// Leave, so Leave may run twice (on a switch and from the destructor).
class Screen {
  public:
    virtual ~Screen() = default;
    virtual void Enter(Display& display, SoundSystem& sound) { (void)display, (void)sound; }
    virtual void Draw(Display& display) { (void)display; }
    virtual ScreenCode Update(Display& display, SoundSystem& sound, int x, int y, bool leftDown,
                              bool rightDown) {
        (void)display, (void)sound, (void)x, (void)y, (void)leftDown, (void)rightDown;
        return Stay;
    }
    virtual void Leave() {}
};
