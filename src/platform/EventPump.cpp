#include "platform/EventPump.h"

#include <SDL.h>

#include <algorithm>
#include <climits>

#include "platform/WindowEvents.h"

namespace {
void DispatchWindowEvent(const SDL_WindowEvent& event, WindowEvents& events) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            events.OnClose();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            events.OnPaint();
            events.OnEraseBackground();
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            events.OnPaint();
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            events.OnActivate();
            break;
        default:
            break;
    }
}

void DispatchButton(const SDL_MouseButtonEvent& event, WindowEvents& events) {
    bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (event.button == SDL_BUTTON_LEFT) {
        down ? events.OnLeftButtonDown(event.x, event.y) : events.OnLeftButtonUp(event.x, event.y);
    } else if (event.button == SDL_BUTTON_RIGHT) {
        down ? events.OnRightButtonDown(event.x, event.y)
             : events.OnRightButtonUp(event.x, event.y);
    }
}
}  // namespace

bool EventPump::DispatchOne(uint32_t windowId, WindowEvents& events) {
    SDL_Event event;
    if (!SDL_PollEvent(&event))
        return false;
    switch (event.type) {
        case SDL_QUIT:
            events.OnClose();
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID == windowId)
                DispatchWindowEvent(event.window, events);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID == windowId && event.button.which != SDL_TOUCH_MOUSEID) {
                DispatchButton(event.button, events);
            }
            break;
        case SDL_MOUSEMOTION:
            if (event.motion.windowID == windowId && event.motion.which != SDL_TOUCH_MOUSEID) {
                events.OnMouseMove(event.motion.x, event.motion.y);
            }
            break;
        default:
            break;
    }
    return true;
}

void EventPump::WaitForEvent(uint32_t milliseconds) {
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<uint32_t>(milliseconds, INT_MAX)));
}
