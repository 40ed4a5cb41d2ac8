#include "modes/GameMode.h"

#include <algorithm>
#include <cstdlib>

#include "engine/Display.h"
#include "modes/SavedGame.h"
#include "platform/Clock.h"
#include "platform/DiagnosticLog.h"

namespace {
struct PieceFrameFiles {
    PieceColour colour;
    const char* name;
    int emotionFrames;
};

// Standard has one frame, Scared four; Emotion differs by colour.
constexpr PieceFrameFiles kPieceFrameFiles[Board::kColourCount] = {
    {Blue, "Blue", 4},     {Green, "Green", 8},   {Red, "Red", 4},
    {Yellow, "Yellow", 6}, {Purple, "Purple", 4}, {White, "White", 2},
};
constexpr int kStandardFrames = 1;
constexpr int kScaredFrames = 4;
constexpr int kFrameDelay = 200;
}  // namespace

GameMode::GameMode(GameVariant variant) : variant_(variant) {}

GameMode::~GameMode() = default;

bool GameMode::SaveGame(const std::string& fileName, int32_t level, int32_t totalScore) {
    SavedGame game;
    game.variant = variant_;
    game.difficulty = DifficultyLevel();
    game.level = level;
    game.totalScore = totalScore;
    const auto colours = Colours();
    for (int32_t index = 0; index < kCellCount; ++index) {
        const std::optional<PieceColour> colour = ColourFromCode(colours[index]);
        if (!colour) {
            // Never write a file that would resume with a hole in the board.
            DiagnosticLog::Report("save", "not saving \"%s\": the board is incomplete",
                                  fileName.c_str());
            return false;
        }
        game.colours[index] = *colour;
    }
    return game.Write(fileName);
}

bool GameMode::PointsAt(int32_t px, int32_t py, int32_t x, int32_t y) const {
    int32_t left = CellLeft(x);
    int32_t top = CellTop(y);
    return left + 5 < px && px < left + 35 && top + 5 < py && py < top + 35;
}

void GameMode::LoadAssets(Display& display, SoundSystem& soundSystem, const char* startHelpFile) {
    background_ = display.LoadImageFile("Graphics\\Gui\\Background.bmp", 625, 440);
    selectionMark_ = display.LoadImageFile("Graphics\\Gui\\Select.bmp", 40, 40);
    startHelpImage_ = display.LoadImageFile(startHelpFile, 160, 160);
    noMovesImage_ = display.LoadImageFile("Graphics\\Gui\\No Moves Left.bmp", 200, 50);
    selectSound_.LoadWav("Sounds\\Pop.wav", soundSystem);
    auto clearSound = std::make_unique<Sound>();
    clearSound->LoadWav("Sounds\\Zoh.wav", soundSystem);
    SetClearSound(std::move(clearSound));
}

void GameMode::ResetGameFields(int32_t newOriginX, int32_t newOriginY) {
    SetLevelScore(0);
    ClearHint();
    originX_ = newOriginX;
    originY_ = newOriginY;
    noMovesShown_ = false;
}

void GameMode::StartPlay(Display& display, bool nextLevel) {
    for (const PieceFrameFiles& files : kPieceFrameFiles) {
        const PieceColour colour = files.colour;
        std::string base = std::string("Graphics\\Vlims\\") + files.name + " Vlim ";
        PieceFrames(colour, Standard)
            .LoadFrames(display, base + "Standard ", kStandardFrames, kFrameDelay, 40, 40);
        PieceFrames(colour, Emotion)
            .LoadFrames(display, base + "Emotion ", files.emotionFrames, kFrameDelay, 40, 40);
        PieceFrames(colour, Scared)
            .LoadFrames(display, base + "Scared ", kScaredFrames, kFrameDelay, 40, 40);
    }
    std::srand(TickCount());
    if (!nextLevel)
        PlayClearSound();
}

void GameMode::StartBoardCheck(Display& display, SoundSystem& soundSystem) {
    // Nothing pending: the first Update checks at once.
    nextCheck_.Clear();
    SetPopups(std::make_unique<ScorePopupList>(display, soundSystem));
}

bool GameMode::ResumeCommon(const std::string& fileName, Display& display, SoundSystem& soundSystem,
                            int32_t newOriginX, int32_t newOriginY, bool nextLevel) {
    ResetGameFields(newOriginX, newOriginY);
    StartPlay(display, nextLevel);
    StartBoardCheck(display, soundSystem);
    startHelpShown_ = false;
    if (RestoreBoard(fileName))
        return true;
    DiagnosticLog::Report("resume", "\"%s\" holds no game to resume; dealing a new board",
                          fileName.c_str());
    DealWithoutLines();
    return false;
}

bool GameMode::RestoreBoard(const std::string& fileName) {
    std::optional<SavedGame> game = SavedGame::Read(fileName);
    if (!game)
        return false;
    variant_ = game->variant;
    SetDifficulty(game->difficulty);
    for (int32_t index = 0; index < kCellCount; ++index) PlaceNewPiece(index, game->colours[index]);
    return true;
}

void GameMode::ResolveLines() {
    ScoreLines();
    ReplaceLineCells();
}

void GameMode::RunBoardCheck(uint32_t now) {
    ResolveLines();
    nextCheck_.Start(now, kCheckInterval);
}

void GameMode::StartNoMovesNotice(uint32_t now) {
    noMovesShown_ = true;
    noMovesEnd_.Start(now, kNoMovesDuration);
}

void GameMode::DrawBackgroundPart(Display& display) {
    display.DrawImagePart(background_.get(), 0, 0, 0, 0, kBoardAreaWidth, 440);
}

void GameMode::DrawPiece(Display& display, int32_t index, int32_t x, int32_t y) {
    if (Piece* piece = At(index % kColumns, index / kColumns))
        piece->Draw(display, x, y);
}

void GameMode::DrawAndEndNoMoves(Display& display, uint32_t now) {
    if (!noMovesShown_)
        return;
    display.DrawImage(noMovesImage_.get(), kNoMovesX, kNoMovesY);
    if (noMovesEnd_.Passed(now)) {
        noMovesShown_ = false;
        NewBoard();
    }
}

uint32_t GameMode::QuietFor(uint32_t now) const {
    const ScorePopupList* popups = Popups();
    if (MoveRunning() || noMovesShown_ || pointerDown_ || (popups && popups->LiveCount() > 0) ||
        !HoverMoodsSettled())
        return 0;
    uint32_t quiet = nextCheck_.Remaining(now);
    for (int32_t index = 0; index < kCellCount && quiet > 0; ++index) {
        if (const Piece* piece = At(index % kColumns, index / kColumns))
            quiet = std::min(quiet, piece->QuietFor(now));
    }
    return quiet;
}

bool GameMode::LineStands() const {
    return !FindLines(4).Empty();
}

bool GameMode::IsHintCell(int32_t x, int32_t y) const {
    const std::optional<Move> hint = Hint();
    return hint && ((x == hint->x1 && y == hint->y1) || (x == hint->x2 && y == hint->y2));
}

void GameMode::NotePointer(int32_t x, int32_t y, bool leftDown) {
    pointerX_ = x;
    pointerY_ = y;
    pointerDown_ = leftDown;
}

PieceMood GameMode::HoverMood(int32_t x, int32_t y, PieceMood mood) const {
    const GridPoint kept = KeptMoodCell();
    if (x == kept.x && y == kept.y)
        return mood;
    if (PointsAt(pointerX_, pointerY_, x, y))
        return Emotion;
    return IsHintCell(x, y) ? mood : Standard;
}

void GameMode::UpdateHoverMoods() {
    for (int32_t index = 0; index < kCellCount; ++index) {
        if (Piece* piece = At(index % kColumns, index / kColumns))
            piece->mood = HoverMood(index % kColumns, index / kColumns, piece->mood);
    }
}

bool GameMode::HoverMoodsSettled() const {
    for (int32_t index = 0; index < kCellCount; ++index) {
        const Piece* piece = At(index % kColumns, index / kColumns);
        if (piece && piece->mood != HoverMood(index % kColumns, index / kColumns, piece->mood))
            return false;
    }
    return true;
}

void GameMode::ChargeForHint() {
    if (LevelScore() > kHintCost)
        SetLevelScore(LevelScore() - kHintCost);
}

void GameMode::ShowHintFor(const MoveList& moves) {
    ChargeForHint();
    if (moves.Empty())
        return;
    const Move& move = moves[0];
    SetHint(move);
    if (Piece* first = At(move.x1, move.y1))
        first->mood = Scared;
    if (Piece* second = At(move.x2, move.y2))
        second->mood = Scared;
}

void GameMode::DrawBackgroundWhole(Display& display) {
    display.DrawImage(background_.get(), 0, 0);
}
