#include "modes/RotationalGame.h"

#include <algorithm>

#include "engine/Display.h"
#include "modes/HelpCounter.h"
#include "platform/Clock.h"

namespace {
constexpr GridPoint kNoCell{-1, -1};
constexpr int32_t kCorners = 9;  // inner corners per row and per column
}  // namespace

RotationalGame::RotationalGame() : GameMode(RotationalVariant) {
    ClearBlock();
}

RotationalGame::~RotationalGame() = default;

void RotationalGame::LoadRotationAssets(Display& display, SoundSystem& soundSystem) {
    LoadAssets(display, soundSystem, "Graphics\\Gui\\Start Help 2.bmp");
    rotateButton_ = display.LoadImageFile("Graphics\\Gui\\Rotate Button.bmp", 20, 20);
    rotateButtonPushed_ = display.LoadImageFile("Graphics\\Gui\\Rotate Button Pushed.bmp", 20, 20);
}

void RotationalGame::NewGame(Display& display, SoundSystem& soundSystem, int32_t newOriginX,
                             int32_t newOriginY, bool nextLevel, Difficulty newDifficulty,
                             uint32_t now) {
    LoadRotationAssets(display, soundSystem);
    SetDifficulty(newDifficulty);
    ResetGameFields(newOriginX, newOriginY);
    ResetMoveState();
    StartPlay(display, nextLevel);
    DealWithoutLines();
    StartBoardCheck(display, soundSystem);
    int count = HelpCounter::ReadAndRaise(HelpCounter::kRotationalFile);
    startHelpShown_ = count < HelpCounter::kHelpGames;
    if (startHelpShown_) {
        startHelpEnd_ = now + kStartHelpDuration;
        startHelpX_ = kStartHelpX;
        startHelpY_ = kStartHelpY;
    }
}

bool RotationalGame::ResumeGame(const std::string& fileName, Display& display,
                                SoundSystem& soundSystem, int32_t newOriginX, int32_t newOriginY,
                                bool nextLevel) {
    LoadRotationAssets(display, soundSystem);
    ResetMoveState();
    return ResumeCommon(fileName, display, soundSystem, newOriginX, newOriginY, nextLevel);
}

void RotationalGame::ResetMoveState() {
    rotating_ = false;
    rotatingBack_ = false;
    ClearBlock();
}

void RotationalGame::ClearBlock() {
    block_.fill(kNoCell);
    blockPositions_.fill(GridPoint{});
}

void RotationalGame::Update(Display& display, SoundSystem&, uint32_t now, const FontSet&) {
    if (nextCheck_.Passed(now)) {
        RunBoardCheck(now);
        if (FindRotationMoves().Empty() && !noMovesShown_) {
            StartNoMovesNotice(now);
            ClearHint();
            ResetMoveState();
        }
    }
    AdvanceRotation(now);
    DrawBackgroundPart(display);
    DrawPieces(display, true);
    DrawRotateButtons(display);
    if (ScorePopupList* popups = Popups())
        popups->UpdateAndDraw(display);
    // The start help carries no text here and leaves after 8 seconds.
    if (startHelpShown_ && TickAfter(startHelpEnd_, now)) {
        display.DrawImage(startHelpImage_.get(), startHelpX_, startHelpY_);
    }
    DrawAndEndNoMoves(display, now);
}

uint32_t RotationalGame::QuietFor(uint32_t now) const {
    const uint32_t quiet = GameMode::QuietFor(now);
    if (!startHelpShown_ || !TickAfter(startHelpEnd_, now))
        return quiet;
    return std::min(quiet, startHelpEnd_ - now);
}

int32_t RotationalGame::BlockSlot(int32_t x, int32_t y) const {
    for (int32_t slot = 0; slot < 4; ++slot) {
        if (block_[slot].x == x && block_[slot].y == y)
            return slot;
    }
    return -1;
}

void RotationalGame::DrawPieces(Display& display, bool animate) {
    for (int32_t index = 0; index < kCellCount; ++index) {
        Piece* piece = At(index % kColumns, index / kColumns);
        if (!piece)
            continue;
        if (animate)
            piece->Animate();
        int32_t x = index % kColumns;
        int32_t y = index / kColumns;
        int32_t slot = rotating_ ? BlockSlot(x, y) : -1;
        if (slot >= 0) {
            piece->Draw(display, blockPositions_[slot].x, blockPositions_[slot].y);
        } else {
            piece->Draw(display, CellLeft(x), CellTop(y));
        }
    }
}

void RotationalGame::DrawRotateButtons(Display& display) {
    // Corner (c, r) is where cells (c - 1, r - 1) and (c, r) meet, so the
    // block's top-left cell names the corner being turned.
    int32_t pushedC = block_[0].x + 1;
    int32_t pushedR = block_[0].y + 1;
    for (int32_t r = 1; r <= kCorners; ++r) {
        for (int32_t c = 1; c <= kCorners; ++c) {
            const Image* image =
                c == pushedC && r == pushedR ? rotateButtonPushed_.get() : rotateButton_.get();
            display.DrawImage(image, originX_ + kCellPitch * c - kButtonSize / 2,
                              originY_ + kCellPitch * r - kButtonSize / 2);
        }
    }
}

void RotationalGame::DrawBoard(Display& display, const FontSet&) {
    DrawBackgroundWhole(display);
    DrawPieces(display, false);
    DrawRotateButtons(display);
}

bool RotationalGame::CornerAt(int32_t px, int32_t py, int32_t& c, int32_t& r) const {
    for (int32_t row = 1; row <= kCorners; ++row) {
        int32_t cornerY = originY_ + kCellPitch * row;
        if (py < cornerY - kClickReachBefore || py > cornerY + kClickReachAfter)
            continue;
        for (int32_t column = 1; column <= kCorners; ++column) {
            int32_t cornerX = originX_ + kCellPitch * column;
            if (px < cornerX - kClickReachBefore || px > cornerX + kClickReachAfter)
                continue;
            c = column;
            r = row;
            return true;
        }
    }
    return false;
}

void RotationalGame::HandleMouse(int32_t x, int32_t y, bool leftDown, bool) {
    NotePointer(x, y, leftDown);
    if (rotating_)
        return;
    if (leftDown) {
        int32_t c = 0;
        int32_t r = 0;
        // Checked on every tick the button is held, so holding it on a
        // button turns the block again once each turn has ended.
        if (!LineStands() && CornerAt(x, y, c, r))
            StartRotation(c, r);
        return;
    }
    UpdateHoverMoods();
}

void RotationalGame::StartRotation(int32_t c, int32_t r) {
    block_ = {GridPoint{c - 1, r - 1}, GridPoint{c, r - 1}, GridPoint{c, r}, GridPoint{c - 1, r}};
    rotating_ = true;
    rotatingBack_ = false;
    rotationTimer_.Start(kMoveSpeed);
    SetBlockPositions(0);
}

void RotationalGame::SetBlockPositions(int32_t d) {
    // Each piece heads for the next cell of the turn: clockwise on the way
    // there, counter-clockwise on the way back.
    static constexpr GridPoint kTurn[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    static constexpr GridPoint kTurnBack[4] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    const GridPoint* steps = rotatingBack_ ? kTurnBack : kTurn;
    for (int32_t slot = 0; slot < 4; ++slot) {
        blockPositions_[slot] = {CellLeft(block_[slot].x) + steps[slot].x * d,
                                 CellTop(block_[slot].y) + steps[slot].y * d};
    }
}

void RotationalGame::AdvanceRotation(uint32_t now) {
    if (!rotating_)
        return;
    startHelpShown_ = false;
    int32_t distance = static_cast<int32_t>(rotationTimer_.Value());
    if (distance <= kCellPitch) {
        SetBlockPositions(distance);
        return;
    }
    RotateBlock(block_[0].x, block_[0].y, block_[2].x, block_[2].y, !rotatingBack_);
    rotating_ = false;
    if (rotatingBack_ || LineStands()) {
        ClearBlock();
        ClearHint();
        rotatingBack_ = false;
        ResolveLines();
        nextCheck_.Start(now, kCheckInterval);
        return;
    }
    rotating_ = true;
    rotatingBack_ = true;
    // The pieces rest in their new cells for a moment before turning back;
    // the whole game waits, so the screen shows nothing new meanwhile.
    SleepFor(kTurnBackPause);
    rotationTimer_.Start(kMoveSpeed);
    SetBlockPositions(0);
}

void RotationalGame::ShowHint() {
    ShowHintFor(FindRotationMoves());
}
