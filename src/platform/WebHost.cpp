#ifdef __EMSCRIPTEN__
#include "platform/WebHost.h"

#include <SDL.h>
#include <emscripten.h>

#include <algorithm>

#include "platform/LastingStorage.h"
#include "platform/PageHidden.h"

// EM_ASM names its arguments $0, $1...
#pragma clang diagnostic ignored "-Wdollar-in-identifier-extension"

namespace {
// Resolves on the first input event or the timeout, whichever comes first.
// SDL's handlers have queued the event by then. A wait that only slept would
// leave a click unanswered for the rest of a quiet stretch.
// (No arrow functions: the C preprocessor splits "=>".)
EM_ASYNC_JS(void, WaitForInputOrTimeout, (int milliseconds), {
    await new Promise(function(resolve) {
        var kinds = [
            'mousedown', 'mouseup', 'mousemove', 'keydown', 'keyup', 'keypress', 'focus', 'blur',
            'visibilitychange', 'paste', 'touchstart', 'touchend'
        ];
        var timer = 0;
        function done() {
            clearTimeout(timer);
            kinds.forEach(function(kind) { window.removeEventListener(kind, done, true); });
            resolve();
        }
        timer = setTimeout(done, milliseconds);
        kinds.forEach(function(kind) { window.addEventListener(kind, done, true); });
    });
});
}  // namespace

void WebWaitForEvent(uint32_t milliseconds) {
    PageHidden::Rest rest;
    WaitForInputOrTimeout(static_cast<int>(milliseconds > 0x7fffffff ? 0x7fffffff : milliseconds));
}

bool WebOpenPage(const std::string& relativeUrl) {
    // A page opened within seconds of the player's click is not a pop-up to
    // the browser; the tick that handles the click comes well within that.
    return EM_ASM_INT(
               {
                   const url = new URL(UTF8ToString($0), document.baseURI).href;
                   return window.open(url, '_blank') ? 1 : 0;
               },
               relativeUrl.c_str()) != 0;
}

void KeepWrittenFiles() {
    EM_ASM({
        if (Module.vlimsKeepFiles)
            Module.vlimsKeepFiles();
    });
}

// Called by the page with what the player pasted. The browser gives pasted
// text to the page, not to SDL's clipboard, so it reaches the open edit box
// as typed text would: its first line, in pieces a text event holds whole,
// never splitting a character.
extern "C" EMSCRIPTEN_KEEPALIVE void vlims_paste(const char* text) {
    if (!SDL_IsTextInputActive())
        return;
    std::string line(text);
    line = line.substr(0, line.find_first_of("\r\n"));
    size_t start = 0;
    while (start < line.size()) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        size_t length = std::min(line.size() - start, sizeof event.text.text - 1);
        while (start + length < line.size() && (line[start + length] & 0xC0) == 0x80) --length;
        line.copy(event.text.text, length, start);
        SDL_PushEvent(&event);
        start += length;
    }
}

// Called by the page, from its visibilitychange and pagehide handlers.
extern "C" EMSCRIPTEN_KEEPALIVE void vlims_page_hidden(int leaving) {
    PageHidden::Notify(leaving != 0);
}
#endif  // __EMSCRIPTEN__
