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

// The whole game run in-process without a window: the real GameApp with its
// real three screens, the manual clock, message boxes recorded and name
// prompts answered from a script. It works in the current working directory,
// which the test prepares with CopyGameFolder.
class HeadlessGame {
  public:
    // Copies the built game folder, without the executable and without any
    // file the game writes, into the current working directory.
    static void CopyGameFolder();

    explicit HeadlessGame(uint32_t startTick = 1000);
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    void Start();
    // The clock moves on to the next tick that is due, then one idle call.
    void Tick();
    // The clock moves on by `milliseconds` (a late wake-up, say), then one
    // idle call, which ticks if a tick is due, then the AfterEveryIdle check.
    void Idle(uint32_t milliseconds);
    void AfterEveryIdle(std::function<void()> check) { afterIdle_ = std::move(check); }
    // The pointer moves to (x, y), as a player parks it while thinking.
    void MovePointer(int x, int y);
    // Presses a button and waits until its click has been acted on.
    void ClickButton(const ButtonLayout& button);
    // The left button goes down at (x, y) for one tick and up for the next.
    void Press(int x, int y);
    // Makes a move the way a player does: two clicks for a swap, one on the
    // block's inner corner for a rotation.
    void MakeMove(const Move& move);
    // The close box: the current screen is left (a running game saved).
    void Close();
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

    // Plays up to `moves` available moves, letting each finish; false when
    // the board offered none for a long while.
    bool PlayMoves(int moves);
    // A board at rest: no move running, no line standing, no notice.
    bool AtRest();
    // One available move picked at random, or false when there is none.
    bool PickMove(Move& move);

    // The real loop sleeps through the ticks a screen promised to leave
    // unchanged; here they run anyway and are counted, and the test fails at
    // each one that showed a changed frame (which the player would have
    // missed for as long as the loop slept).
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
