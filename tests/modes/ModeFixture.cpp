#include "modes/ModeFixture.h"

#include <algorithm>

#include "board/Piece.h"
#include "screens/TestAssets.h"
#include "support/BmpWriter.h"

namespace {
const char* const kColourNames[] = {"Blue", "Green", "Red", "Yellow", "Purple", "White"};
const char* const kMoodNames[] = {"Standard", "Emotion", "Scared"};
const int kEmotionFrames[] = {4, 8, 4, 6, 4, 2};
}  // namespace

ModeFixture::ModeFixture() {
    display_.Create(nullptr);
    display_.SetWindowed(625, 440);
    WriteAssets();
    fonts_ = std::make_unique<FontSet>(display_);
}

uint32_t ModeFixture::PieceColour(int32_t colour, int32_t mood) {
    return 0x100000u * uint32_t(colour) + 0x1000u * uint32_t(mood) + 0x44u;
}

void ModeFixture::WriteImage(const std::string& name, int width, int height, uint32_t colour) {
    dir_.WriteFile(name, MakeBmp(width, height, [colour](int, int) { return colour; }));
}

void ModeFixture::WriteAssets() {
    dir_.WriteFile("Data/keep", "");
    WriteImage("Graphics/Gui/Background.bmp", 625, 440, kBackground);
    // The selection mark is a frame: its inside is a hole, as in the game.
    dir_.WriteFile("Graphics/Gui/Select.bmp", MakeBmp(40, 40, [](int x, int y) {
                       bool edge = x < 3 || y < 3 || x > 36 || y > 36;
                       return edge ? kSelectMark : 0u;
                   }));
    WriteImage("Graphics/Gui/Start Help.bmp", 160, 160, kStartHelp);
    WriteImage("Graphics/Gui/Start Help 2.bmp", 160, 160, kStartHelp2);
    WriteImage("Graphics/Gui/No Moves Left.bmp", 200, 50, kNoMoves);
    WriteImage("Graphics/Gui/Rotate Button.bmp", 20, 20, kRotateButton);
    WriteImage("Graphics/Gui/Rotate Button Pushed.bmp", 20, 20, kRotateButtonPushed);
    for (int points : {25, 50, 100, 250, 500, 1000, 5000}) {
        WriteImage("Graphics/Gui/" + std::to_string(points) + " Points.bmp", 100, 40, 0xE0E0E0);
    }
    for (int32_t colour = 1; colour <= 6; ++colour) {
        for (int32_t mood = 1; mood <= 3; ++mood) {
            int frames = mood == Standard ? 1 : mood == Scared ? 4 : kEmotionFrames[colour - 1];
            for (int frame = 1; frame <= frames; ++frame) {
                WriteImage(std::string("Graphics/Vlims/") + kColourNames[colour - 1] + " Vlim " +
                               kMoodNames[mood - 1] + " " + std::to_string(frame) + ".bmp",
                           40, 40, PieceColour(colour, mood));
            }
        }
    }
    WriteImage("Graphics/Gui/Times Roman 10 Font.bmp", 256, 256, 0xE0D060);
    WriteImage("Graphics/Gui/Times Roman 16 Font.bmp", 512, 512, 0xE0D060);
    dir_.WriteFile("Data/Times Roman 10 Font Metrics.dat", std::string(256, '\x09'));
    dir_.WriteFile("Data/Times Roman 16 Font Metrics.dat", std::string(256, '\x09'));
    // 20 ms each, so a sound has ended by the next click.
    for (const char* name : {"Pop", "Zoh", "Score", "Switch Vlims", "Rotate"}) {
        dir_.WriteFile(std::string("Sounds/") + name + ".wav", ShortWav(441));
    }
}

void ModeFixture::Paint(Board& board, int32_t x, int32_t y, int32_t colour) {
    board.PlacePiece(x, y, colour);
}

void ModeFixture::FillQuiet(Board& board) {
    for (int32_t y = 0; y < Board::kRows; ++y) {
        for (int32_t x = 0; x < Board::kColumns; ++x) Paint(board, x, y, 1 + (x + 2 * y) % 4);
    }
}

void ModeFixture::PaintSpareMove(Board& board) {
    for (int32_t y : {5, 7, 8, 9}) Paint(board, 9, y, Purple);
}

std::array<const Piece*, Board::kCellCount> ModeFixture::Pieces(const Board& board) {
    std::array<const Piece*, Board::kCellCount> pieces{};
    for (int32_t i = 0; i < Board::kCellCount; ++i)
        pieces[i] = board.At(i % Board::kColumns, i / Board::kColumns);
    return pieces;
}

int32_t ModeFixture::ColourAt(const Board& board, int32_t x, int32_t y) {
    const Piece* piece = board.At(x, y);
    return piece ? piece->Colour() : 0;
}

void ModeFixture::Tick(GameMode& mode) {
    clock_.Advance(kTick);
    mode.HandleMouse(mouseX_, mouseY_, mouseDown_, false);
    mode.Update(display_, sound_, clock_.Now(), *fonts_);
}

void ModeFixture::RunFor(GameMode& mode, uint32_t milliseconds) {
    uint32_t end = clock_.Now() + milliseconds;
    while (TickAfter(end, clock_.Now())) Tick(mode);
}

void ModeFixture::Click(GameMode& mode, int32_t x, int32_t y) {
    mouseX_ = x;
    mouseY_ = y;
    mouseDown_ = true;
    Tick(mode);
    mouseDown_ = false;
    Tick(mode);
}

std::vector<std::string> ModeFixture::SoundsPlayed() {
    std::vector<std::string> names;
    for (const std::string& path : sound_.TakeStarted()) {
        std::string name = path.substr(path.find_last_of('\\') + 1);
        names.push_back(name.substr(0, name.size() - 4));
    }
    return names;
}
