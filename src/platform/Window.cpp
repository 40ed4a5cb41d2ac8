#include "platform/Window.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/BitmapFile.h"
#include "platform/HostPath.h"

namespace {
// SDL falls back to drivers that draw into memory when no display server
// answers; a game nobody can see is no game, so those count only when asked
// for by name (headless tests ask for "dummy").
bool OnARealScreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver)
        return false;
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0)
        return true;
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    return requested && SDL_strcasecmp(requested, driver) == 0;
}
}  // namespace

std::unique_ptr<Window> Window::Open(const std::string& title, int left, int top, int clientWidth,
                                     int clientHeight, std::string* error) {
    // The window surface must stay a plain memory surface: SDL would otherwise
    // back it with an OpenGL texture, which costs far more under X.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        if (error)
            *error = SDL_GetError();
        return nullptr;
    }
    if (!OnARealScreen()) {
        if (error)
            *error = "no screen to show the window on (is DISPLAY set?)";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_Window* window =
        SDL_CreateWindow(title.c_str(), left, top, clientWidth, clientHeight, SDL_WINDOW_HIDDEN);
    if (!window) {
        if (error)
            *error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    return std::unique_ptr<Window>(new Window(window));
}

Window::~Window() {
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Window::SetIcon(const std::string& gamePath) {
    SDL_Surface* icon = LoadBitmapFile(HostPath(gamePath));
    if (!icon) {
        std::fprintf(stderr, "Vlims: could not load the window icon \"%s\": %s\n", gamePath.c_str(),
                     SDL_GetError());
        return;
    }
    SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 0, 0, 0));
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

void Window::Show() {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
}

void Window::ClientSize(int* width, int* height) const {
    SDL_GetWindowSize(window_, width, height);
}

uint32_t Window::Id() const {
    return SDL_GetWindowID(window_);
}
