#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "engine/Display.h"
#include "engine/FontSet.h"
#include "engine/SoundSystem.h"
#include "modes/GameMode.h"
#include "modes/SavedGame.h"
#include "platform/ManualClock.h"
#include "support/TempWorkDir.h"

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

// A headless game folder for the modes: every picture a mode loads is a flat
// colour (so tests can tell them apart in the back buffer), every sound a
// short tone, time only moves when the test says so, and the play screen's
// tick (HandleMouse, then Update, every 10 ms) is driven by hand.
class ModeFixture : public ::testing::Test {
  protected:
    static constexpr uint32_t kBackground = 0x102030;
    static constexpr uint32_t kSelectMark = 0xF0F000;
    static constexpr uint32_t kStartHelp = 0x30C030;
    static constexpr uint32_t kStartHelp2 = 0x30C0C0;
    static constexpr uint32_t kNoMoves = 0xC03030;
    static constexpr uint32_t kRotateButton = 0x8080F0;
    static constexpr uint32_t kRotateButtonPushed = 0xF080F0;
    static constexpr int32_t kOrigin = 20;
    static constexpr uint32_t kTick = 10;

    ModeFixture();

    // The picture colour of a piece of `colour` in `mood`.
    static uint32_t PieceColour(int32_t colour, int32_t mood);

    // Puts a fully grown, Standard piece of `colour` into the cell.
    static void Paint(Board& board, int32_t x, int32_t y, int32_t colour);
    // Colours 1 to 4 that change along every row, column and diagonal, so no
    // two neighbours match: no line, and no swap or turn makes one. Tests
    // paint what they need over it in Purple and White.
    static void FillQuiet(Board& board);
    // Purple on (9, 5), (9, 7), (9, 8) and (9, 9): one swap and one turn
    // away from a line, so the board check finds a move and leaves the rest
    // of the board to the test.
    static void PaintSpareMove(Board& board);
    static std::array<const Piece*, Board::kCellCount> Pieces(const Board& board);
    static int32_t ColourAt(const Board& board, int32_t x, int32_t y);

    // Pixel centre of cell (x, y) and of inner corner (c, r).
    static int32_t CellCentre(int32_t i) { return kOrigin + 40 * i + 20; }
    static int32_t Corner(int32_t i) { return kOrigin + 40 * i; }

    // One play-screen tick: the clock moves on 10 ms, then the mode gets the
    // mouse and its frame.
    void Tick(GameMode& mode);
    void RunFor(GameMode& mode, uint32_t milliseconds);
    // Button down for one tick at (x, y), then up again for one tick.
    void Click(GameMode& mode, int32_t x, int32_t y);
    void ClickCell(GameMode& mode, int32_t x, int32_t y) {
        Click(mode, CellCentre(x), CellCentre(y));
    }
    // Sounds started since the last call, by file name ("Pop", "Zoh", ...).
    std::vector<std::string> SoundsPlayed();

    TempWorkDir dir_;
    ManualClock clock_{5000};
    Display display_;
    SoundSystem sound_;
    std::unique_ptr<FontSet> fonts_;
    int32_t mouseX_ = 0;
    int32_t mouseY_ = 0;
    bool mouseDown_ = false;

  private:
    void WriteAssets();
    void WriteImage(const std::string& name, int width, int height, uint32_t colour);
};
