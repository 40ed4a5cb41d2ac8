#pragma once
#include <cstdint>

#include "app/ScreenCode.h"

class Display;
class SoundSystem;

// A full-window screen. It loads its assets in Enter and frees them all in
// Leave, so Leave may run twice (on a switch and from the destructor).
// `now` is the tick count of the tick being run: the one time every timed
// rule of that tick goes by.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual void Enter(Display& display, SoundSystem& sound, uint32_t now) {
        (void)display, (void)sound, (void)now;
    }
    virtual void Draw(Display& display) { (void)display; }
    virtual ScreenCode Update(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                              bool leftDown, bool rightDown) {
        (void)display, (void)sound, (void)now, (void)x, (void)y, (void)leftDown, (void)rightDown;
        return Stay;
    }
    virtual void Leave() {}
    // How many milliseconds after the tick `now` its Updates would change
    // nothing, as long as no input arrives: the main loop sleeps through
    // them. 0, the safe answer, keeps the tick running.
    virtual uint32_t QuietFor(uint32_t now) const {
        (void)now;
        return 0;
    }
};
