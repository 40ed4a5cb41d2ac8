#include "platform/EventPump.h"

#include <SDL.h>

#include <algorithm>
#include <climits>

#include "platform/MessageBox.h"
#include "platform/PixelScale.h"
#include "platform/WebHost.h"
#include "platform/WindowEvents.h"

#if defined(__unix__) && !defined(__EMSCRIPTEN__) && __has_include(<X11/Xlib.h>) && \
    __has_include(<dlfcn.h>)
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <poll.h>
#define VLIMS_XLIB 1
#endif

namespace {
#ifdef VLIMS_XLIB
// SDL's own timed wait reads the display connection three times over (two
// rounds of its event sources and its wait), and an idle game waits a
// hundred times a second. With our queue just drained, sleeping on the
// connection itself is all a wait needs.
struct DisplayConnection {
    ::Display* display = nullptr;
    int fd = -1;
    int (*eventsQueued)(::Display*, int) = nullptr;
    int (*flush)(::Display*) = nullptr;
};

DisplayConnection FindDisplayConnection(uint32_t windowId) {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return {};
    // SDL loads Xlib itself; these are that same library's functions.
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!xlib)
        return {};
    using Query = int (*)(::Display*);
    auto connectionNumber = reinterpret_cast<Query>(dlsym(xlib, "XConnectionNumber"));
    DisplayConnection connection;
    connection.display = info.info.x11.display;
    connection.eventsQueued =
        reinterpret_cast<int (*)(::Display*, int)>(dlsym(xlib, "XEventsQueued"));
    connection.flush = reinterpret_cast<Query>(dlsym(xlib, "XFlush"));
    if (connectionNumber && connection.eventsQueued && connection.flush)
        connection.fd = connectionNumber(connection.display);
    return connection;
}

// False when the window's display is not an X connection we can wait on.
bool WaitOnDisplayConnection(uint32_t windowId, uint32_t milliseconds) {
    static uint32_t knownWindow = 0;
    static DisplayConnection connection;
    if (windowId != knownWindow) {
        connection = FindDisplayConnection(windowId);
        knownWindow = windowId;
    }
    if (connection.fd < 0)
        return false;
    // What the tick asked of the server goes out before we sleep, and an
    // event already read off the connection (a reply's wait reads any that
    // came first) is not left waiting for data that may never come.
    connection.flush(connection.display);
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) ||
        connection.eventsQueued(connection.display, QueuedAlready) > 0) {
        return true;
    }
    pollfd ready{connection.fd, POLLIN, 0};
    poll(&ready, 1, static_cast<int>(std::min<uint32_t>(milliseconds, INT_MAX)));
    return true;
}
#endif

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

// The game hears of game pixels only, whatever the window's scale.
void DispatchButton(const SDL_MouseButtonEvent& event, const PixelScale& scale,
                    WindowEvents& events) {
    bool down = event.type == SDL_MOUSEBUTTONDOWN;
    int x = scale.ToGame(event.x), y = scale.ToGame(event.y);
    if (event.button == SDL_BUTTON_LEFT) {
        down ? events.OnLeftButtonDown(x, y) : events.OnLeftButtonUp(x, y);
    } else if (event.button == SDL_BUTTON_RIGHT) {
        down ? events.OnRightButtonDown(x, y) : events.OnRightButtonUp(x, y);
    }
}
}  // namespace

bool EventPump::DispatchOne(uint32_t windowId, WindowEvents& events) {
    SDL_Event event;
    if (!SDL_PollEvent(&event))
        return false;
    switch (event.type) {
        case SDL_QUIT:
            // Only the system asks this (SIGTERM, SIGINT, SIGHUP; the close
            // box is a window event): the game saves and ends at once.
            SendMessageBoxesToStderr();
            events.OnClose();
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID == windowId)
                DispatchWindowEvent(event.window, events);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID == windowId && event.button.which != SDL_TOUCH_MOUSEID) {
                DispatchButton(event.button, PixelScale::Of(windowId), events);
            }
            break;
        case SDL_MOUSEMOTION:
            if (event.motion.windowID == windowId && event.motion.which != SDL_TOUCH_MOUSEID) {
                PixelScale scale = PixelScale::Of(windowId);
                events.OnMouseMove(scale.ToGame(event.motion.x), scale.ToGame(event.motion.y));
            }
            break;
        default:
            break;
    }
    return true;
}

void EventPump::WaitForEvent(uint32_t windowId, uint32_t milliseconds) {
#ifdef VLIMS_XLIB
    if (WaitOnDisplayConnection(windowId, milliseconds))
        return;
#else
    (void)windowId;
#endif
#ifdef __EMSCRIPTEN__
    // SDL's timed wait polls every millisecond, each poll a round trip
    // through the browser; ours sleeps until input or the deadline.
    if (!SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT))
        WebWaitForEvent(milliseconds);
    return;
#endif
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<uint32_t>(milliseconds, INT_MAX)));
}
