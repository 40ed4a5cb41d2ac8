#include "platform/DisplayLoss.h"

#include <SDL.h>

#include <csignal>
#include <cstdlib>

#if defined(__unix__) && !defined(__EMSCRIPTEN__) && __has_include(<X11/Xlib.h>) && \
    __has_include(<dlfcn.h>)
#include <X11/Xlib.h>
#include <dlfcn.h>

#include "platform/DiagnosticLog.h"
#define VLIMS_XLIB 1
#endif

namespace {
DisplayLoss::Saver* newest = nullptr;
bool lost = false;

#ifdef VLIMS_XLIB
using GetErrorText = int (*)(::Display*, int, char*, int);
GetErrorText getErrorText = nullptr;

// Xlib's default answer to any protocol error is to end the process; a
// request about a window that is already gone is no reason to lose a game.
int OnProtocolError(::Display* display, XErrorEvent* error) {
    static int reported = 0;
    if (reported++ < 10) {
        char text[128] = "";
        if (getErrorText)
            getErrorText(display, error->error_code, text, sizeof text);
        DiagnosticLog::Report("X server",
                              "the X server refused a request (%s, opcode %d); going on", text,
                              error->request_code);
    }
    return 0;
}

[[noreturn]] int OnConnectionLost(::Display*) {
    DiagnosticLog::Report("X server",
                          "the connection to the display was lost; saving and quitting");
    DisplayLoss::SaveEverything();
    std::_Exit(1);
}

// SDL loads Xlib itself; ours are the handlers of that same library.
void TakeOverXlibHandlers() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || SDL_strcmp(driver, "x11") != 0)
        return;
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!xlib)
        return;
    using SetError = XErrorHandler (*)(XErrorHandler);
    using SetIoError = XIOErrorHandler (*)(XIOErrorHandler);
    auto setError = reinterpret_cast<SetError>(dlsym(xlib, "XSetErrorHandler"));
    auto setIoError = reinterpret_cast<SetIoError>(dlsym(xlib, "XSetIOErrorHandler"));
    getErrorText = reinterpret_cast<GetErrorText>(dlsym(xlib, "XGetErrorText"));
    if (setError)
        setError(OnProtocolError);
    if (setIoError)
        setIoError(OnConnectionLost);
    // The handle stays open: SDL holds the library for the whole run anyway.
}

// SDL turns SIGTERM into a quit request the next time events are read, in
// the main loop and in any dialog's loop alike.
extern "C" void OnHangUp(int) {
    std::raise(SIGTERM);
}
#endif
}  // namespace

DisplayLoss::Saver::Saver(std::function<void()> save) : save_(std::move(save)), older_(newest) {
    newest = this;
}

DisplayLoss::Saver::~Saver() {
    // Savers end in the reverse order they began (they live on the stack).
    newest = older_;
}

void DisplayLoss::Install() {
#ifdef VLIMS_XLIB
    TakeOverXlibHandlers();
    std::signal(SIGHUP, OnHangUp);
#endif
}

bool DisplayLoss::Lost() {
    return lost;
}

void DisplayLoss::SaveEverything() {
    lost = true;
    for (Saver* saver = newest; saver; saver = saver->older_) {
        if (saver->save_)
            saver->save_();
    }
}
