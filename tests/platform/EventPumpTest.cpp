#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/EventPump.h"
#include "platform/Window.h"
#include "platform/WindowEvents.h"

namespace {
using Log = std::vector<std::string>;

class RecordingEvents : public WindowEvents {
  public:
    void OnClose() override { log.push_back("Close"); }
    void OnPaint() override { log.push_back("Paint"); }
    void OnEraseBackground() override { log.push_back("EraseBackground"); }
    void OnLeftButtonDown(int x, int y) override { Add("LeftDown", x, y); }
    void OnLeftButtonUp(int x, int y) override { Add("LeftUp", x, y); }
    void OnRightButtonDown(int x, int y) override { Add("RightDown", x, y); }
    void OnRightButtonUp(int x, int y) override { Add("RightUp", x, y); }
    void OnMouseMove(int x, int y) override { Add("Move", x, y); }
    void OnActivate() override { log.push_back("Activate"); }

    Log log;

  private:
    void Add(const char* what, int x, int y) {
        log.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

class EventPumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        window_ = Window::Open("Vlims 2.10", 50, 50, 625, 440, &error);
        ASSERT_TRUE(window_) << error;
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    static void PushWindowEvent(uint8_t what, uint32_t windowId) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = what;
        event.window.windowID = windowId;
        SDL_PushEvent(&event);
    }
    // A button press or release, or a move when `button` is 0.
    static void PushMouse(uint32_t type, uint8_t button, int x, int y, uint32_t windowId) {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEMOTION) {
            event.motion.windowID = windowId;
            event.motion.x = x, event.motion.y = y;
        } else {
            event.button.windowID = windowId;
            event.button.button = button;
            event.button.x = x, event.button.y = y;
        }
        SDL_PushEvent(&event);
    }
    // SDL may end one round of polling early (after a wait, say); what is
    // queued comes with the next. Two empty rounds mean nothing is left.
    Log DispatchAll() {
        for (int emptyRounds = 0; emptyRounds < 2;) {
            emptyRounds = EventPump::DispatchOne(window_->Id(), events_) ? 0 : emptyRounds + 1;
        }
        return events_.log;
    }

    std::unique_ptr<Window> window_;
    RecordingEvents events_;
};

TEST_F(EventPumpTest, MouseEventsOfTheWindowArriveInClientPixelsOthersAreDropped) {
    uint32_t id = window_->Id();
    uint32_t other = id + 100;
    PushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20, id);
    PushMouse(SDL_MOUSEMOTION, 0, 11, 21, id);
    PushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 12, 22, id);
    PushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 13, 23, id);
    PushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 14, 24, id);
    PushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 15, 25, id);  // not the game's
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE, other);
    PushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 2, other);
    PushMouse(SDL_MOUSEMOTION, 0, 3, 4, other);
    EXPECT_EQ(DispatchAll(), (Log{"LeftDown 10,20", "Move 11,21", "LeftUp 12,22", "RightDown 13,23",
                                  "RightUp 14,24"}));
}

TEST_F(EventPumpTest, WindowEventsAndQuitBecomeCloseExposeAndActivation) {
    uint32_t id = window_->Id();
    PushWindowEvent(SDL_WINDOWEVENT_EXPOSED, id);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, id);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED, id);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE, id);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(DispatchAll(),
              (Log{"Paint", "EraseBackground", "Activate", "Activate", "Close", "Close"}));
}

TEST_F(EventPumpTest, WaitingReturnsWhenAnEventArrivesOrTimeIsUp) {
    uint32_t before = SDL_GetTicks();
    EventPump::WaitForEvent(window_->Id(), 30);
    EXPECT_GE(SDL_GetTicks() - before, 25u);  // nothing came: it slept
    PushMouse(SDL_MOUSEMOTION, 0, 1, 1, window_->Id());
    EventPump::WaitForEvent(window_->Id(), 10000);  // returns at once; the event stays queued
    EXPECT_EQ(DispatchAll(), Log{"Move 1,1"});
}
}  // namespace
