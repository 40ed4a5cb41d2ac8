#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>

#include "platform/BitmapFile.h"
#include "platform/DesktopScale.h"
#include "platform/DiagnosticLog.h"
#include "platform/DisplayLoss.h"
#include "platform/Headless.h"
#include "platform/HostPath.h"

namespace {
// A game nobody can see is no game, so a memory-only driver SDL fell back to
// does not count; one asked for by name (headless tests ask for "dummy") does.
bool ScreenOrAskedForDriver() {
    if (HasScreen())
        return true;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver)
        return false;
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    return requested && SDL_strcasecmp(requested, driver) == 0;
}

// The client area's place, moved no further than needed to keep it within
// the primary display's usable area, as an enlarged window may not be there.
SDL_Point PlaceWithin(int left, int top, int width, int height) {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        return {left, top};
    left = std::max(usable.x, std::min(left, usable.x + usable.w - width));
    top = std::max(usable.y, std::min(top, usable.y + usable.h - height));
    return {left, top};
}
}  // namespace

std::unique_ptr<Window> Window::Open(const std::string& title, int left, int top, int clientWidth,
                                     int clientHeight, std::string* error) {
    // The window surface must stay a plain memory surface: SDL would otherwise
    // back it with an OpenGL texture, which costs far more under X.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // The click that brings the window to the front is a click in the game
    // too, delivered after the activation.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The close box is one request, not two: SDL would add a quit of its own,
    // which would close at once the box that says the game was saved.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        if (error)
            *error = SDL_GetError();
        return nullptr;
    }
    if (!ScreenOrAskedForDriver()) {
        if (error)
            *error = "no screen to show the window on (is DISPLAY set?)";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    PixelScale scale(DesktopScale::Choose(clientWidth, clientHeight));
    const int width = scale.ToWindow(clientWidth), height = scale.ToWindow(clientHeight);
    SDL_Point place = PlaceWithin(scale.ToWindow(left), scale.ToWindow(top), width, height);
    SDL_Window* window =
        SDL_CreateWindow(title.c_str(), place.x, place.y, width, height, SDL_WINDOW_HIDDEN);
    if (!window) {
        if (error)
            *error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    DisplayLoss::Install();
    auto opened = std::unique_ptr<Window>(new Window(window, place.x, place.y, scale));
    opened->scale_.Attach(window);
    return opened;
}

Window::~Window() {
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Window::SetIcon(const std::string& smallerGamePath, const std::string& largerGamePath) {
    const std::string& gamePath = scale_.Factor() > 1 ? largerGamePath : smallerGamePath;
    SDL_Surface* icon = LoadBitmapFile(HostPath(gamePath));
    if (!icon) {
        DiagnosticLog::Report("window", "could not load the window icon \"%s\": %s",
                              gamePath.c_str(), SDL_GetError());
        return;
    }
    SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 0, 0, 0));
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

void Window::Show() {
    SDL_ShowWindow(window_);
    // The window manager put its frame where the client area was asked to
    // be. Once it has said how big the frame is (within half a second), the
    // client area is moved to its place.
    int top = 0, left = 0;
    for (int wait = 0; wait < 50 && top == 0 && left == 0; ++wait) {
        SDL_PumpEvents();
        if (SDL_GetWindowBordersSize(window_, &top, &left, nullptr, nullptr) != 0)
            break;
        if (top == 0 && left == 0)
            SDL_Delay(10);
    }
    if (top != 0 || left != 0)
        SDL_SetWindowPosition(window_, left_, top_);
    SDL_RaiseWindow(window_);
}

void Window::ShowFrame(SDL_Surface* frame, const SDL_Rect& part) {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target)
        return;
    const int k = scale_.Factor();
    if (target->w != frame->w * k || target->h != frame->h * k) {
        SDL_BlitScaled(frame, nullptr, target, nullptr);
        SDL_UpdateWindowSurface(window_);
        return;
    }
    SDL_Rect shown = scale_.Enlarge(frame, part, target);
    SDL_UpdateWindowSurfaceRects(window_, &shown, 1);
}

void Window::ClientSize(int* width, int* height) const {
    SDL_GetWindowSize(window_, width, height);
}

uint32_t Window::Id() const {
    return SDL_GetWindowID(window_);
}
