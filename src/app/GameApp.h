#pragma once
#include <cstdint>
#include <memory>

#include "app/MainFrame.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/Clock.h"
#include "platform/Deadline.h"

// The application: it owns the display and the sound system for the whole
// run, creates the main window, runs the 10 ms tick whenever the event queue
// is empty, and ends with exit code 1.
class GameApp {
  public:
    // The display is made first, so its log exists from the start.
    explicit GameApp(MainFrame::Setup setup = MainFrame::Setup::Game());
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // Creates the main window (all of start-up) and shows it. True even when
    // the graphics check failed: the quit is already posted then.
    bool InitInstance();
    // One idle call: at most once per 10 ms, the tick. Always true: the loop
    // ends on the quit message alone, never because a tick went wrong.
    bool OnIdle(long idleCount);
    // Deletes the main window; the program's exit code, 1 for every normal
    // quit, as the launch scripts and the tests have always seen it.
    int ExitInstance();

    // The whole program: start-up, events and idle ticks until the quit is
    // posted, then ExitInstance's code. Between ticks it sleeps until the
    // next one is due or an event arrives.
    int Run();

    // How long the loop may sleep before the next idle call has work to do.
    uint32_t MillisecondsToNextTick() const;
    // How long the loop sleeps when no event comes: to the next tick, or
    // through the quiet the last tick's screen promised.
    uint32_t MillisecondsToWait() const;
    // The last tick's screen promised to stay the same until later than now.
    bool Quiet() const { return !quiet_.Passed(TickCount()); }
    // Any input ends the quiet: the next tick runs on time.
    void InputArrived() { quiet_.Clear(); }

    static constexpr uint32_t kTickInterval = 10;

    Display& GetDisplay() { return display_; }
    SoundSystem& GetSoundSystem() { return soundSystem_; }
    MainFrame* Frame() { return mainFrame_.get(); }

  private:
    bool TickDue(uint32_t now) const;
    // After a tick: how long the screen stays the same without input.
    void StartQuiet(const Screen& screen, uint32_t now);

    Display display_;
    SoundSystem soundSystem_;
    MainFrame::Setup setup_;
    std::unique_ptr<MainFrame> mainFrame_;
    uint32_t nextTickTime_ = 0;
    // The first tick runs at once, whatever the tick count reads.
    bool ticked_ = false;
    // Ticks are skipped until this passes; any event ends it at once.
    Deadline quiet_;
};
