#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "engine/FontSet.h"
#include "modes/GameMode.h"
#include "modes/SavedGame.h"
#include "screens/ScreenFixture.h"

// The little-endian 32-bit integer the save file stores.
inline std::string Int32Bytes(int32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((uint32_t(value) >> 8 * i) & 0xFF));
    return bytes;
}

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

// A headless game folder with what the play screen loads (flat-colour
// pictures, short sounds, start counters past the help games), and the play
// screen's tick (HandleMouse, then Update, every 10 ms) driven by hand.
class ModeFixture : public ScreenFixture {
  protected:
    static constexpr int32_t kOrigin = 20;
    static constexpr uint32_t kTick = 10;

    ModeFixture() {
        clock.Set(5000);
        WritePlayAssets(dir, 0x102030);
        fonts_ = std::make_unique<FontSet>(display);
    }

    // A new game of the mode; a quiet one is past its help games, on a
    // board of colours 1 to 4 that change along every row, column and
    // diagonal (no line, no move) but for Purple on (9, 5), (9, 7), (9, 8)
    // and (9, 9): one swap and one turn away from a line, so the board check
    // finds a move and leaves the rest of the board to the test.
    template <class Mode>
    std::unique_ptr<Mode> Start(Difficulty difficulty, bool quiet = true) {
        auto game = std::make_unique<Mode>();
        game->NewGame(display, sound, kOrigin, kOrigin, false, difficulty, clock.Now());
        if (quiet) {
            FillQuiet(*game);
            for (int32_t y : {5, 7, 8, 9}) game->PlacePiece(9, y, Purple);
            sound.TakeStarted();
        }
        return game;
    }

    static void FillQuiet(Board& board) {
        for (int32_t y = 0; y < Board::kRows; ++y) {
            for (int32_t x = 0; x < Board::kColumns; ++x)
                board.PlacePiece(x, y, 1 + (x + 2 * y) % 4);
        }
    }

    // Pixel centre of cell (x, y) and of inner corner (c, r).
    static int32_t CellCentre(int32_t i) { return kOrigin + 40 * i + 20; }
    static int32_t Corner(int32_t i) { return kOrigin + 40 * i; }

    // One play-screen tick: the clock moves on 10 ms, then the mode gets the
    // mouse and its frame.
    void Tick(GameMode& mode) {
        clock.Advance(kTick);
        mode.HandleMouse(mouseX_, mouseY_, mouseDown_, false);
        mode.Update(display, sound, clock.Now(), *fonts_);
    }

    void RunFor(GameMode& mode, uint32_t milliseconds) {
        const uint32_t end = clock.Now() + milliseconds;
        while (TickAfter(end, clock.Now())) Tick(mode);
    }

    // Button down for one tick at (x, y), then up again for one tick.
    void Click(GameMode& mode, int32_t x, int32_t y) {
        mouseX_ = x;
        mouseY_ = y;
        mouseDown_ = true;
        Tick(mode);
        mouseDown_ = false;
        Tick(mode);
    }

    void ClickCell(GameMode& mode, int32_t x, int32_t y) {
        Click(mode, CellCentre(x), CellCentre(y));
    }

    // Sounds started since the last call, by file name ("Pop", "Zoh", ...).
    std::vector<std::string> SoundsPlayed() {
        std::vector<std::string> names;
        for (const std::string& path : sound.TakeStarted()) {
            const std::string name = path.substr(path.find_last_of('\\') + 1);
            names.push_back(name.substr(0, name.size() - 4));
        }
        return names;
    }

    std::unique_ptr<FontSet> fonts_;
    int32_t mouseX_ = 0;
    int32_t mouseY_ = 0;
    bool mouseDown_ = false;
};
