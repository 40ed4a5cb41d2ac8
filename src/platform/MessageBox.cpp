#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/Window.h"

namespace {
Window* owner = nullptr;
MessageBoxRecorder* recorder = nullptr;

bool DummyVideo() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver)
        driver = SDL_getenv("SDL_VIDEODRIVER");
    return driver && std::strcmp(driver, "dummy") == 0;
}
}  // namespace

void SetMessageBoxOwner(Window* window) {
    owner = window;
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
    if (recorder) {
        recorder->Record(caption, text);
        return;
    }
    // A headless run must never wait for a box nobody can see.
    if (DummyVideo()) {
        std::fprintf(stderr, "Vlims: %s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    SDL_Window* parent = owner ? owner->Handle() : nullptr;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(),
                                 parent) != 0) {
        std::fprintf(stderr, "Vlims: %s: %s\n(could not show a message box: %s)\n", caption.c_str(),
                     text.c_str(), SDL_GetError());
    }
}

MessageBoxRecorder::MessageBoxRecorder() {
    recorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder() {
    recorder = nullptr;
}

void MessageBoxRecorder::Record(const std::string& caption, const std::string& text) {
    shown_.push_back({caption, text});
}
