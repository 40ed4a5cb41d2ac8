#pragma once
#include <deque>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "app/Screen.h"
#include "engine/Display.h"

// A screen that writes every call into a shared log as "name.Call", with the
// number of frames presented so far after '@' ("start.Update@1"), so tests
// can see what ran before which present. Update answers from a queue of
// codes (Stay once it is empty) and paints a new colour each time, so every
// tick has a changed frame to present.
class RecordingScreen : public Screen {
  public:
    RecordingScreen(std::string name, std::vector<std::string>& log, const Display& display)
        : name_(std::move(name)), log_(log), display_(display) {}
    ~RecordingScreen() override {
        log_.push_back(name_ + ".Delete" + (display_.HasBackBuffer() ? "" : " (display released)"));
    }

    void Enter(Display&, SoundSystem&, uint32_t) override { Record("Enter"); }
    void Draw(Display& display) override {
        Record("Draw");
        display.FillRect(0, 0, 10, 10, nextColour_++);
    }
    ScreenCode Update(Display& display, SoundSystem&, uint32_t, int x, int y, bool leftDown,
                      bool rightDown) override {
        Record("Update");
        lastMouse = {x, y, leftDown, rightDown};
        display.FillRect(0, 0, 10, 10, nextColour_++);
        if (codes.empty())
            return Stay;
        ScreenCode code = codes.front();
        codes.pop_front();
        return code;
    }
    void Leave() override { Record("Leave"); }

    struct Mouse {
        int x, y;
        bool left, right;
        bool operator==(const Mouse&) const = default;
    };
    std::deque<ScreenCode> codes;
    Mouse lastMouse{-1, -1, false, false};

  private:
    void Record(const char* call) {
        log_.push_back(name_ + "." + call + "@" + std::to_string(display_.PresentedFrames()));
    }

    std::string name_;
    std::vector<std::string>& log_;
    const Display& display_;
    // Shared by all screens, so that no two fills look the same.
    static inline uint32_t nextColour_ = 0x101010;
};
