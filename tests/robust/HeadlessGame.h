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
// which the test prepares (CopyGameFolder gives it the built pictures,
// sounds and font metrics).
class HeadlessGame {
  public:
    // Copies the built game folder, without the executable and without any
    // file the game writes, into the current working directory.
    static void CopyGameFolder();

    explicit HeadlessGame(uint32_t startTick = 1000);
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Start-up: the main window's constructor and the start screen.
    void Start();
    // The clock moves on to the next tick that is due, as the main loop's
    // wait does, then one idle call: one game tick.
    void Tick();
    // The clock moves on by `milliseconds` (a late wake-up, say), then one
    // idle call, which ticks if a tick is due.
    void Idle(uint32_t milliseconds);
    // Runs after every idle call, for checks that must hold at every tick.
    void AfterEveryIdle(std::function<void()> check) { afterIdle_ = std::move(check); }
    void Ticks(int count);
    // The left button goes down at (x, y) for one tick and up for the next.
    void Press(int x, int y);
    // Presses a button and waits until its click has been acted on.
    void ClickButton(const ButtonLayout& button);
    // Makes a move the way a player does: two clicks for a swap, one on the
    // block's inner corner for a rotation.
    void MakeMove(const Move& move, bool rotational);

    // The close box: the current screen is left (a running game saved).
    void Close();
    // The program's exit code.
    int Exit();

    GameApp& App() { return app_; }
    ManualClock& Clock() { return clock_; }
    const MessageBoxRecorder& Boxes() const { return boxes_; }
    ScriptedPrompts& Prompts() { return prompts_; }

    bool OnStartScreen() const;
    bool OnScoreScreen() const;
    // The play screen while it is current, else nullptr.
    PlayScreen* Play() const;
    // Its running game, else nullptr.
    GameMode* Mode() const;
    // True while the mode is sliding or turning pieces.
    bool MoveRunning() const;

    // Starts a new game from the start screen and, for the Rotational
    // variant, switches to it.
    void StartGame(GameVariant variant, Difficulty difficulty);
    // Plays up to `moves` available moves, letting each finish; false when
    // the board offered none for a long while.
    bool PlayMoves(int moves);
    // A board at rest: no move running, no line standing, no notice.
    bool AtRest() const;
    // One available move picked at random, or false when there is none.
    bool PickMove(Move& move);

  private:
    ManualClock clock_;
    MessageBoxRecorder boxes_;
    ScriptedPrompts prompts_;
    GameApp app_;
    unsigned random_ = 12345;
    std::function<void()> afterIdle_;
};
