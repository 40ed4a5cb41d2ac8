#include "modes/NormalGame.h"

#include <cstdlib>

#include "engine/Display.h"
#include "engine/FontSet.h"
#include "modes/HelpCounter.h"

namespace {
// The help game's row on y = 4 from x = 3: three Whites, a Red, a White.
// Swapping the Red with the White beside it shows how a line of four is made.
constexpr int32_t kDemoRowY = 4;
constexpr int32_t kDemoRowX = 3;
constexpr PieceColour kDemoColours[] = {White, White, White, Red, White};
constexpr int kDemoLength = 5;
// Re-rolls that keep the demonstration row from forming a line at once.
constexpr int kDemoRepairPasses = 100;
}  // namespace

NormalGame::NormalGame() : GameMode(NormalVariant) {}

NormalGame::~NormalGame() = default;

void NormalGame::NewGame(Display& display, SoundSystem& soundSystem, int32_t newOriginX,
                         int32_t newOriginY, bool nextLevel, Difficulty newDifficulty,
                         uint32_t /*now*/) {
    LoadAssets(display, soundSystem, "Graphics\\Gui\\Start Help.bmp");
    SetDifficulty(newDifficulty);
    ResetGameFields(newOriginX, newOriginY);
    ResetMoveState();
    // The help game is played on Easy, so no White is dealt but the row's.
    startHelpShown_ = HelpCounter::ReadAndRaise(HelpCounter::kNormalFile) < HelpCounter::kHelpGames;
    if (startHelpShown_)
        SetDifficulty(Easy);
    StartPlay(display, nextLevel);
    DealWithoutLines();
    StartBoardCheck(display, soundSystem);
    if (startHelpShown_) {
        PlaceDemonstrationRow();
        startHelpX_ = kStartHelpX;
        startHelpY_ = kStartHelpY;
    }
}

bool NormalGame::ResumeGame(const std::string& fileName, Display& display, SoundSystem& soundSystem,
                            int32_t newOriginX, int32_t newOriginY, bool nextLevel) {
    LoadAssets(display, soundSystem, "Graphics\\Gui\\Start Help.bmp");
    ResetMoveState();
    return ResumeCommon(fileName, display, soundSystem, newOriginX, newOriginY, nextLevel);
}

void NormalGame::ResetMoveState() {
    ClearSelection();
    swapping_ = false;
    swappingBack_ = false;
    swapAX_ = swapAY_ = swapBX_ = swapBY_ = -1;
}

void NormalGame::ClearSelection() {
    selectedX_ = selectedY_ = -1;
}

void NormalGame::PlaceDemonstrationRow() {
    for (int i = 0; i < kDemoLength; ++i) {
        PlacePiece(kDemoRowX + i, kDemoRowY, kDemoColours[i]);
    }
    // The Red of the row can complete a dealt column or diagonal of Reds; the
    // first board check would then clear the row before the player sees it
    // and hand out free points. Re-deal the other cells of such lines.
    for (int pass = 0; pass < kDemoRepairPasses; ++pass) {
        LineList lines = FindLines(4);
        if (lines.Empty())
            return;
        for (const Line& line : lines) {
            for (int c = 0; c < line.length; ++c) {
                GridPoint cell = line.cells[c];
                bool inRow =
                    cell.y == kDemoRowY && cell.x >= kDemoRowX && cell.x < kDemoRowX + kDemoLength;
                if (inRow)
                    continue;
                PlaceNewPiece(CellIndex(cell.x, cell.y), RandomColour());
            }
        }
    }
}

void NormalGame::Update(Display& display, SoundSystem&, uint32_t now, const FontSet& fonts) {
    if (nextCheck_.Passed(now)) {
        RunBoardCheck(now);
        if (FindSwapMoves().Empty() && !noMovesShown_) {
            ResetMoveState();
            StartNoMovesNotice(now);
        }
    }
    AdvanceSwap(now);
    DrawBackgroundPart(display);
    DrawPieces(display);
    DrawSelection(display);
    if (ScorePopupList* popups = Popups())
        popups->UpdateAndDraw(display);
    if (startHelpShown_) {
        display.DrawImage(startHelpImage_.get(), startHelpX_, startHelpY_);
        fonts.DrawString(display, kStartHelpText, 1, 5, 1, 400, 450, Centred);
    }
    DrawAndEndNoMoves(display, now);
}

void NormalGame::DrawPieces(Display& display) {
    int32_t swapA = swapping_ ? CellIndex(swapAX_, swapAY_) : -1;
    int32_t swapB = swapping_ ? CellIndex(swapBX_, swapBY_) : -1;
    for (int32_t index = 0; index < kCellCount; ++index) {
        Piece* piece = At(index % kColumns, index / kColumns);
        if (!piece)
            continue;
        piece->Animate();
        if (index == swapA) {
            piece->Draw(display, swapPosAX_, swapPosAY_);
        } else if (index == swapB) {
            piece->Draw(display, swapPosBX_, swapPosBY_);
        } else {
            piece->Draw(display, CellLeft(index % kColumns), CellTop(index / kColumns));
        }
    }
}

void NormalGame::DrawSelection(Display& display) {
    if (HasSelection()) {
        display.DrawImage(selectionMark_.get(), CellLeft(selectedX_), CellTop(selectedY_));
    }
}

void NormalGame::DrawBoard(Display& display, const FontSet&) {
    DrawBackgroundWhole(display);
    for (int32_t index = 0; index < kCellCount; ++index) {
        DrawPiece(display, index, CellLeft(index % kColumns), CellTop(index / kColumns));
    }
    DrawSelection(display);
}

void NormalGame::HandleMouse(int32_t x, int32_t y, bool leftDown, bool) {
    NotePointer(x, y, leftDown);
    if (leftDown) {
        // While a line stands (a cascade waiting for the next check) the board
        // takes no clicks. Checked on every tick the button is held.
        if (LineStands())
            return;
        for (int32_t cy = 0; cy < kRows; ++cy) {
            for (int32_t cx = 0; cx < kColumns; ++cx) {
                if (PointsAt(x, y, cx, cy) && !swapping_)
                    SelectCell(cx, cy);
            }
        }
        return;
    }
    UpdateHoverMoods();
}

void NormalGame::SelectCell(int32_t x, int32_t y) {
    if (!HasSelection()) {
        selectedX_ = x;
        selectedY_ = y;
        if (Piece* piece = At(x, y))
            piece->mood = Scared;
        ClearHint();
        selectSound_.Play();
        return;
    }
    if (x == selectedX_ && y == selectedY_)
        return;
    if (std::abs(x - selectedX_) <= 1 && std::abs(y - selectedY_) <= 1) {
        swapAX_ = selectedX_;
        swapAY_ = selectedY_;
        swapBX_ = x;
        swapBY_ = y;
        swapping_ = true;
        swappingBack_ = false;
        ClearSelection();
        swapTimer_.Start(kMoveSpeed);
        SetSwapPositions(0);
        ClearHint();
        return;
    }
    selectedX_ = x;
    selectedY_ = y;
    if (Piece* piece = At(x, y))
        piece->mood = Scared;
    selectSound_.Play();
    ClearHint();
}

void NormalGame::SetSwapPositions(int32_t distance) {
    int32_t dx = swapBX_ - swapAX_;
    int32_t dy = swapBY_ - swapAY_;
    swapPosAX_ = CellLeft(swapAX_) + dx * distance;
    swapPosAY_ = CellTop(swapAY_) + dy * distance;
    swapPosBX_ = CellLeft(swapBX_) - dx * distance;
    swapPosBY_ = CellTop(swapBY_) - dy * distance;
}

void NormalGame::AdvanceSwap(uint32_t now) {
    if (!swapping_)
        return;
    startHelpShown_ = false;
    ClearSelection();
    int32_t distance = static_cast<int32_t>(swapTimer_.Value());
    if (distance <= kCellPitch) {
        SetSwapPositions(distance);
        return;
    }
    SwapCells(swapAX_, swapAY_, swapBX_, swapBY_);
    swapping_ = false;
    if (!swappingBack_ && !LineStands()) {
        std::swap(swapAX_, swapBX_);
        std::swap(swapAY_, swapBY_);
        swapping_ = true;
        swappingBack_ = true;
        swapTimer_.Start(kMoveSpeed);
        // Both pieces now sit in each other's cell: start from there.
        SetSwapPositions(0);
        return;
    }
    swappingBack_ = false;
    ResolveLines();
    nextCheck_.Start(now, kCheckInterval);
}

void NormalGame::ShowHint() {
    ShowHintFor(FindSwapMoves());
}
