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

// A window event, a button press or release, a move, or a quit request.
void Push(uint32_t type, uint8_t what, uint32_t windowId, int x = 0, int y = 0) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_WINDOWEVENT) {
        event.window = {type, 0, windowId, what, 0, 0, 0, 0, 0};
    } else if (type == SDL_MOUSEMOTION) {
        event.motion.windowID = windowId;
        event.motion.x = x, event.motion.y = y;
    } else if (type != SDL_QUIT) {
        event.button.windowID = windowId;
        event.button.button = what;
        event.button.x = x, event.button.y = y;
    }
    SDL_PushEvent(&event);
}

// The dialog boxes are windows of their own: what happens in them, or with
// the middle button, must not reach the game.
TEST(EventPumpTest, EventsOfTheGamesWindowArriveInClientPixelsOthersAreDropped) {
    std::string error;
    std::unique_ptr<Window> window = Window::Open("Vlims", 50, 50, 625, 440, &error);
    ASSERT_TRUE(window) << error;
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    const uint32_t id = window->Id(), other = id + 100;
    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, id, 10, 20);
    Push(SDL_MOUSEMOTION, 0, id, 11, 21);
    Push(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, id, 12, 22);
    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, id, 13, 23);
    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, id, 15, 25);
    Push(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE, other);
    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, other, 1, 2);
    for (uint8_t what :
         {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_CLOSE})
        Push(SDL_WINDOWEVENT, what, id);
    Push(SDL_QUIT, 0, 0);
    EventPump::WaitForEvent(id, 10000);  // returns at once; the events stay queued
    // SDL may end one round of polling early (after a wait, say); what is
    // queued comes with the next. Two empty rounds mean nothing is left.
    RecordingEvents events;
    for (int emptyRounds = 0; emptyRounds < 2;)
        emptyRounds = EventPump::DispatchOne(id, events) ? 0 : emptyRounds + 1;
    EXPECT_EQ(events.log, (Log{"LeftDown 10,20", "Move 11,21", "LeftUp 12,22", "RightDown 13,23",
                               "Paint", "EraseBackground", "Activate", "Close", "Close"}));
}
}  // namespace
