#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "board/Board.h"
#include "engine/FontSet.h"
#include "modes/NormalGame.h"
#include "modes/RotationalGame.h"
#include "modes/SavedGame.h"
#include "support/ScreenFixture.h"

// A Hard Rotational game on level 4 with points play can reach there.
inline SavedGame SampleSavedGame() {
    SavedGame game;
    game.variant = RotationalVariant;
    game.difficulty = Hard;
    game.level = 4;
    game.totalScore = 5275;
    for (int cell = 0; cell < SavedGame::kCellCount; ++cell)
        game.colours[cell] = static_cast<PieceColour>(cell % 6 + 1);
    return game;
}

// A game of the variant the test is run for, in a headless game folder, its
// play-screen tick driven by hand.
class ModeFixture : public ScreenFixture, public ::testing::WithParamInterface<GameVariant> {
  protected:
    static constexpr int32_t kOrigin = 20;
    static constexpr uint32_t kTick = 10;
    // Swapping (1, 1) with (2, 2), or turning the block they span, makes no
    // line on the quiet board.
    static constexpr Move kIdleMove{1, 1, 2, 2};

    ModeFixture() {
        clock.Set(5000);
        WritePlayAssets(dir);
        fonts_ = std::make_unique<FontSet>(display);
    }

    // A new game; a quiet one has no line and one move, Purple on (9, 5) into
    // (9, 6) beside (9, 7) to (9, 9), on colours 1 to 4 that change every cell.
    void Start(Difficulty difficulty, bool quiet = true) {
        if (GetParam() == NormalVariant)
            game = std::make_unique<NormalGame>();
        else
            game = std::make_unique<RotationalGame>();
        game->NewGame(display, sound, kOrigin, kOrigin, false, difficulty, clock.Now());
        if (quiet) {
            FillQuiet(*game);
            for (int32_t y : {5, 7, 8, 9}) game->PlacePiece(9, y, Purple);
            sound.TakeStarted();
        }
    }

    static void FillQuiet(Board& board) {
        for (int32_t y = 0; y < Board::kRows; ++y)
            for (int32_t x = 0; x < Board::kColumns; ++x)
                board.PlacePiece(x, y, 1 + (x + 2 * y) % 4);
    }

    NormalGame* Normal() const { return dynamic_cast<NormalGame*>(game.get()); }
    RotationalGame* Rotational() const { return dynamic_cast<RotationalGame*>(game.get()); }
    bool Moving() const { return game->MoveRunning(); }
    bool MovingBack() const {
        return Normal() ? Normal()->SwappingBack() : Rotational()->RotatingBack();
    }
    MoveList Moves() const { return Normal() ? game->FindSwapMoves() : game->FindRotationMoves(); }

    // The clock moves on 10 ms, then the mode gets the mouse and its frame.
    void Tick() {
        clock.Advance(kTick);
        game->HandleMouse(mouseX_, mouseY_, mouseDown_, false);
        game->Update(display, sound, clock.Now(), *fonts_);
    }

    void RunFor(uint32_t milliseconds) {
        const uint32_t end = clock.Now() + milliseconds;
        while (TickAfter(end, clock.Now())) Tick();
    }

    // Button down for one tick at (x, y), then up again for one tick.
    void Click(int32_t x, int32_t y) {
        mouseX_ = x;
        mouseY_ = y;
        mouseDown_ = true;
        Tick();
        mouseDown_ = false;
        Tick();
    }

    // Presses at the edges of what takes one: opposite corners of a swap's
    // cells' cores (6 to 34 pixels in), or 15 pixels right of and below the
    // inner corner of the block to turn, as far as its button reaches.
    void MakeMove(const Move& move) {
        if (Normal()) {
            Click(kOrigin + 40 * move.x1 + 6, kOrigin + 40 * move.y1 + 6);
            Click(kOrigin + 40 * move.x2 + 34, kOrigin + 40 * move.y2 + 34);
        } else {
            Click(kOrigin + 40 * move.x2 + 15, kOrigin + 40 * move.y2 + 15);
        }
    }

    // Ticks until the running move (there, or back) has ended; the time it took.
    uint32_t RunUntilMoveEnds() {
        const uint32_t start = clock.Now();
        const bool back = MovingBack();
        while (Moving() && MovingBack() == back && clock.Now() - start < 5000) Tick();
        return clock.Now() - start;
    }

    // A slide of 40 pixels at 80 a second.
    static void ExpectSlideTime(uint32_t took) {
        EXPECT_GE(took, 510u);
        EXPECT_LE(took, 530u);
    }

    std::unique_ptr<GameMode> game;
    std::unique_ptr<FontSet> fonts_;
    int32_t mouseX_ = 0;
    int32_t mouseY_ = 0;
    bool mouseDown_ = false;
};
