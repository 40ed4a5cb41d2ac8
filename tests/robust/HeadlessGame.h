#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "app/GameApp.h"
#include "board/GameKind.h"
#include "platform/ManualClock.h"
#include "platform/MessageBox.h"
#include "platform/ScriptedPrompts.h"

class GameMode;
class PlayScreen;
struct ButtonLayout;
struct Move;

// The real GameApp and its screens without a window, on the manual clock,
// message boxes recorded and name prompts scripted, in the working directory.
class HeadlessGame {
  public:
    // The built game folder but its program and the files the game writes.
    static void CopyGameFolder();

    explicit HeadlessGame(uint32_t startTick = 1000);
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    void Start();
    // The clock moves on to the next tick that is due, then one idle call.
    void Tick() { Idle(app_.MillisecondsToNextTick()); }
    // The clock moves on by `milliseconds` (a late wake-up), then one idle
    // call and the AfterEveryIdle check.
    void Idle(uint32_t milliseconds);
    void AfterEveryIdle(std::function<void()> check) { afterIdle_ = std::move(check); }
    void MovePointer(int x, int y);
    // Presses a button; returns once its click has been acted on.
    void ClickButton(const ButtonLayout& button);
    // The left button goes down at (x, y) for one tick and up for the next.
    void Press(int x, int y);
    // Two clicks for a swap, one on the block's inner corner for a turn.
    void MakeMove(const Move& move);
    // The close box: the current screen is left (a running game saved).
    void Close() { app_.Frame()->OnClose(); }
    int Exit() { return app_.ExitInstance(); }

    ManualClock& Clock() { return clock_; }
    // How many message boxes with this caption were shown.
    int Shown(const std::string& caption) const;
    ScriptedPrompts& Prompts() { return prompts_; }

    template <class ScreenType>
    ScreenType* Current() {
        return app_.Frame() ? dynamic_cast<ScreenType*>(app_.Frame()->CurrentScreen()) : nullptr;
    }
    GameMode* Mode();

    // Plays `moves` moves, each to its end; false when none came for long.
    bool PlayMoves(int moves);
    // A board at rest: no move running, no line standing, no notice.
    bool AtRest();
    // One available move picked at random, or false when there is none.
    bool PickMove(Move& move);

    // The ticks the real loop would sleep through, promised unchanged; they
    // run here, and one that shows a changed frame fails the test.
    int QuietTicks() const { return quietTicks_; }

  private:
    ManualClock clock_;
    MessageBoxRecorder boxes_;
    ScriptedPrompts prompts_;
    GameApp app_;
    unsigned random_ = 12345;
    std::function<void()> afterIdle_;
    int quietTicks_ = 0;
    int brokenQuiet_ = 0;
};
