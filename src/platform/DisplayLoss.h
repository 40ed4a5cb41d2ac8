#pragma once
#include <functional>

// What the game does when the window system fails under it. A protocol
// error (a request about a window already gone) is said on stderr and the
// game goes on. A lost connection ends the process, as Xlib insists, but only
// after every living Saver has run, newest first, so that the running game
// and the high-score table are written as a close would write them. Savers
// must not touch the display: while they run, Lost() is true and message
// boxes go to stderr.
class DisplayLoss {
  public:
    class Saver {
      public:
        explicit Saver(std::function<void()> save);
        ~Saver();
        Saver(const Saver&) = delete;
        Saver& operator=(const Saver&) = delete;

      private:
        friend class DisplayLoss;
        std::function<void()> save_;
        Saver* older_;
    };

    // Once SDL video runs on X: takes over Xlib's error handlers, and makes
    // SIGHUP (the terminal closed) a close request as SIGTERM is.
    static void Install();
    static bool Lost();
    // What a lost connection does before the process ends: marks the display
    // lost and runs the savers. The handler's second half, apart for tests.
    static void SaveEverything();
};
