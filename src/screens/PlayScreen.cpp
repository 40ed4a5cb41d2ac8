#include "screens/PlayScreen.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/FontSet.h"
#include "engine/Sound.h"
#include "modes/NormalGame.h"
#include "modes/RotationalGame.h"
#include "modes/SavedGame.h"
#include "platform/MessageBox.h"
#include "screens/Button.h"

namespace {
constexpr int kPanelFont = 2;

std::unique_ptr<GameMode> MakeMode(GameVariant variant) {
    if (variant != NormalVariant)
        return std::make_unique<RotationalGame>();
    return std::make_unique<NormalGame>();
}
}  // namespace

PlayScreen::PlayScreen() = default;

PlayScreen::~PlayScreen() {
    PlayScreen::Leave();
}

void PlayScreen::Enter(Display& display, SoundSystem& sound, uint32_t now) {
    LoadAssets(display, sound, now);
    if (!shared.resumeRequested || !ResumeSavedGame(display, sound, now))
        StartNewGame(display, sound, now);
    shared.resumeRequested = false;
    shared.finalScore = -1;  // a game is running
}

void PlayScreen::LoadAssets(Display& display, SoundSystem& sound, uint32_t now) {
    background_ = display.LoadImageFile("Graphics\\Gui\\Background.bmp", 625, 440);
    levelBar_ = display.LoadImageFile("Graphics\\Gui\\Level Bar.bmp", kBarWidth, kBarHeight);
    levelBarFilled_ =
        display.LoadImageFile("Graphics\\Gui\\Level Bar Filled.bmp", kBarWidth, kBarHeight);
    hintButton_ = Button::Create(display, sound, Buttons::kHint, now);
    newGameButton_ = Button::Create(display, sound, Buttons::kNewGame, now);
    endButton_ = Button::Create(display, sound, Buttons::kEnd, now);
    normalTypeButton_ = Button::Create(display, sound, Buttons::kNormalType, now);
    rotationalTypeButton_ = Button::Create(display, sound, Buttons::kRotationalType, now);
    nextLevelSound_ = std::make_unique<Sound>();
    nextLevelSound_->LoadWav("Sounds\\Next Level 1.wav", sound);
    fonts_ = std::make_unique<FontSet>(display);
}

bool PlayScreen::ResumeSavedGame(Display& display, SoundSystem& sound, uint32_t now) {
    // The start screen only asks for a resume after this same reader found a
    // playable game, so failing here means the file changed in between.
    std::optional<SavedGame> saved = SavedGame::Read();
    if (!saved || shared.savedGameEnded)
        return false;
    shared.variant = saved->variant;
    shared.difficulty = saved->difficulty;
    level_ = saved->level;
    mode_ = MakeMode(shared.variant);
    mode_->ResumeGame(SavedGame::kFileName, display, sound, kBoardOrigin, kBoardOrigin, false);
    // Only the total is saved: the completed levels are taken to have scored
    // exactly their 1000 x level, the rest belongs to the current level. At a
    // level in the millions that rest lies below any 32-bit level score; the
    // carried points then keep the difference, so the total is the saved one.
    const int64_t total = saved->totalScore;
    const int64_t carried = (int64_t{level_} - 1) * kPointsPerLevel;
    const int64_t levelScore = std::max<int64_t>(total - carried, INT32_MIN);
    mode_->SetLevelScore(static_cast<int32_t>(levelScore));
    scoreBase_ = total - levelScore;
    MarkSelectedVariant(now);
    return true;
}

void PlayScreen::StartNewGame(Display& display, SoundSystem& sound, uint32_t now) {
    level_ = 1;
    scoreBase_ = 0;
    shared.variant = NormalVariant;
    ReplaceMode(display, sound, false, now);
    MarkSelectedVariant(now);
}

void PlayScreen::ReplaceMode(Display& display, SoundSystem& sound, bool nextLevel, uint32_t now) {
    mode_.reset();  // the old mode frees its pieces and pictures first
    mode_ = MakeMode(shared.variant);
    mode_->NewGame(display, sound, kBoardOrigin, kBoardOrigin, nextLevel, shared.difficulty, now);
}

void PlayScreen::MarkSelectedVariant(uint32_t now) {
    Button& selected =
        shared.variant == NormalVariant ? *normalTypeButton_ : *rotationalTypeButton_;
    selected.PushSilently(now);
}

void PlayScreen::Draw(Display& display) {
    if (!mode_)
        return;  // not entered
    mode_->DrawBoard(display, *fonts_);
    DrawButtons(display);
    DrawLevelBar(display);
    DrawTexts(display);
}

void PlayScreen::DrawButtons(Display& display) const {
    for (const Button* button : {hintButton_.get(), newGameButton_.get(), endButton_.get(),
                                 normalTypeButton_.get(), rotationalTypeButton_.get()}) {
        button->Draw(display);
    }
}

ScreenCode PlayScreen::Update(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                              bool leftDown, bool rightDown) {
    if (!mode_)
        return Stay;  // not entered
    display.DrawImagePart(background_.get(), kPanelLeft, 0, kPanelLeft, 0, 625, 440);
    DrawLevelBar(display);
    boardRepainted_ = false;
    mode_->HandleMouse(x, y, leftDown, rightDown);
    mode_->Update(display, sound, now, *fonts_);
    RunHint(display, now, x, y, leftDown, rightDown);
    RunVariantButtons(display, sound, now, x, y, leftDown, rightDown);
    RunNewGame(display, sound, now, x, y, leftDown, rightDown);
    if (RunEnd(now, x, y, leftDown, rightDown))
        return ToScores;
    endButton_->Draw(display);
    DrawTexts(display);
    CheckLevel(display, sound, now);
    return Stay;
}

uint32_t PlayScreen::QuietFor(uint32_t now) const {
    if (!mode_ || boardRepainted_ ||
        !Button::AllSettled({hintButton_.get(), newGameButton_.get(), endButton_.get(),
                             normalTypeButton_.get(), rotationalTypeButton_.get()},
                            now))
        return 0;
    return mode_->QuietFor(now);
}

void PlayScreen::RunHint(Display& display, uint32_t now, int x, int y, bool leftDown,
                         bool rightDown) {
    hintButton_->HandleMouse(x, y, leftDown, rightDown, now);
    if (hintButton_->IsClicked(now)) {
        mode_->ShowHint();
        hintButton_->SetPushed(false);
        mode_->DrawBoard(display, *fonts_);
        boardRepainted_ = true;
        // DrawBoard repaints the whole window, the bar included.
        DrawLevelBar(display);
    }
    hintButton_->Draw(display);
}

void PlayScreen::RunVariantButtons(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                                   bool leftDown, bool rightDown) {
    RunVariantButton(*normalTypeButton_, *rotationalTypeButton_, NormalVariant, display, sound, now,
                     x, y, leftDown, rightDown);
    RunVariantButton(*rotationalTypeButton_, *normalTypeButton_, RotationalVariant, display, sound,
                     now, x, y, leftDown, rightDown);
}

void PlayScreen::RunVariantButton(Button& button, Button& other, GameVariant variant,
                                  Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                                  bool leftDown, bool rightDown) {
    button.HandleMouse(x, y, leftDown, rightDown, now);
    // The clicked button stays pushed: it now marks the selected variant.
    if (button.IsClicked(now) && shared.variant != variant) {
        shared.variant = variant;
        if (other.IsClicked(now)) {
            ReplaceMode(display, sound, false, now);
            other.SetPushed(false);
        }
    }
    button.Draw(display);
}

void PlayScreen::RunNewGame(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                            bool leftDown, bool rightDown) {
    newGameButton_->HandleMouse(x, y, leftDown, rightDown, now);
    if (newGameButton_->IsClicked(now)) {
        // Same level, same carried points; the unfinished level starts over.
        ReplaceMode(display, sound, false, now);
        newGameButton_->SetPushed(false);
    }
    newGameButton_->Draw(display);
}

bool PlayScreen::RunEnd(uint32_t now, int x, int y, bool leftDown, bool rightDown) {
    endButton_->HandleMouse(x, y, leftDown, rightDown, now);
    if (!endButton_->IsClicked(now))
        return false;
    shared.finalScore = TotalScore();
    shared.difficulty = mode_->DifficultyLevel();
    endButton_->SetPushed(false);
    // The ended game must not be offered for resuming, even when the disk
    // would not take the end marker.
    if (!SavedGame::End())
        shared.savedGameEnded = true;
    return true;
}

void PlayScreen::CheckLevel(Display& display, SoundSystem& sound, uint32_t now) {
    // A 32-bit level score reaches the target only up to level 2,147,483, so
    // the level number cannot wrap.
    if (mode_->LevelScore() < static_cast<int64_t>(level_) * kPointsPerLevel)
        return;
    scoreBase_ += mode_->LevelScore();
    ++level_;
    ReplaceMode(display, sound, true, now);
    nextLevelSound_->Play(false);
}

int32_t PlayScreen::TotalScore() const {
    const int64_t total = scoreBase_ + (mode_ ? mode_->LevelScore() : 0);
    return static_cast<int32_t>(std::clamp<int64_t>(total, 0, INT32_MAX));
}

int PlayScreen::LevelBarFill(int32_t levelScore, int32_t level) {
    const double target = static_cast<double>(level) * kPointsPerLevel;
    if (target <= 0.0)
        return kBarHeight;
    const double fill = static_cast<double>(levelScore) / target * kBarHeight;
    // A damaged saved game can leave the level score below zero.
    if (fill <= 0.0)
        return 0;
    if (fill >= kBarHeight)
        return kBarHeight;
    return static_cast<int>(fill);
}

void PlayScreen::DrawLevelBar(Display& display) const {
    display.DrawImage(levelBar_.get(), kBarX, kBarY);
    const int fill = LevelBarFill(mode_->LevelScore(), level_);
    // The bottom `fill` rows of the full bar, so it fills from the bottom up.
    display.DrawImagePart(levelBarFilled_.get(), kBarX, kBarY + kBarHeight - fill, 0,
                          kBarHeight - fill, kBarWidth, kBarHeight);
}

void PlayScreen::DrawTexts(Display& display) const {
    char text[32];
    std::snprintf(text, sizeof text, "Level %d", static_cast<int>(level_));
    fonts_->DrawString(display, text, kPanelFont, kTextLeft, kLevelTextTop, kTextRight, 440,
                       Centred);
    std::snprintf(text, sizeof text, "Score %d", static_cast<int>(TotalScore()));
    fonts_->DrawString(display, text, kPanelFont, kTextLeft, kScoreTextTop, kTextRight, 440,
                       Centred);
}

void PlayScreen::Leave() {
    if (shared.finalScore == -1 && mode_) {
        if (mode_->SaveGame(SavedGame::kFileName, level_, TotalScore())) {
            shared.savedGameEnded = false;
            ShowMessageBox(kSavedCaption, kSavedText);
        } else
            ShowMessageBox(kNotSavedCaption, kNotSavedText);
    }
    normalTypeButton_.reset();
    rotationalTypeButton_.reset();
    hintButton_.reset();
    newGameButton_.reset();
    endButton_.reset();
    background_.reset();
    levelBar_.reset();
    levelBarFilled_.reset();
    nextLevelSound_.reset();
    fonts_.reset();
    mode_.reset();
}
