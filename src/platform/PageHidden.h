#pragma once
#include <functional>

// The page the game runs in went out of sight, or is being closed: on the
// web this is the close request, and the running game must be in lasting
// storage before the page is gone. The handler (the main window's) runs only
// where the loop is at rest between ticks, never under a tick or a dialog
// that a wait paused; a notice that comes at any other moment waits for the
// loop's next rest. Desktop hosts never notify.
class PageHidden {
  public:
    static void SetHandler(std::function<void()> handler);
    // The page went out of sight. `leaving`: it is being closed and no later
    // rest will come, so the handler runs at once wherever the loop is.
    static void Notify(bool leaving);

    // Held by the main loop's wait: while one lives, the loop is at rest.
    class Rest {
      public:
        Rest();
        ~Rest();
        Rest(const Rest&) = delete;
        Rest& operator=(const Rest&) = delete;
    };
};
