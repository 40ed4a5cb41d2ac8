#include "screens/StartScreen.h"

#include "app/SharedState.h"
#include "engine/Display.h"
#include "modes/SavedGame.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/WebPage.h"
#include "screens/Button.h"

namespace {
// The difficulty picture; clicks count strictly inside it.
constexpr int kPictureLeft = 120;
constexpr int kPictureTop = 110;
constexpr int kPictureRight = 270;
constexpr int kPictureBottom = 260;
constexpr int kPictureSize = 150;
// Holding the button on the picture steps the difficulty at this pace.
constexpr uint32_t kDifficultyWait = 500;

std::unique_ptr<Button> LoadButton(Display& display, SoundSystem& sound,
                                   const ButtonLayout& layout) {
    auto button = std::make_unique<Button>();
    button->Load(display, sound, layout);
    return button;
}

void ReleaseButton(std::unique_ptr<Button>& button) {
    if (button)
        button->Release();
    button.reset();
}
}  // namespace

StartScreen::StartScreen() = default;

StartScreen::~StartScreen() {
    StartScreen::Leave();
}

void StartScreen::Enter(Display& display, SoundSystem& sound) {
    background_ = display.LoadImageFile("Graphics\\Gui\\Background Startup.bmp", 625, 440);
    easyPicture_ = display.LoadImageFile("Graphics\\Gui\\Easy.bmp", kPictureSize, kPictureSize);
    normalPicture_ = display.LoadImageFile("Graphics\\Gui\\Normal.bmp", kPictureSize, kPictureSize);
    hardPicture_ = display.LoadImageFile("Graphics\\Gui\\Hard.bmp", kPictureSize, kPictureSize);
    playGameButton_ = LoadButton(display, sound, Buttons::kPlayGame);
    resumeButton_ = LoadButton(display, sound, Buttons::kResume);
    highScoresButton_ = LoadButton(display, sound, Buttons::kHighScores);
    helpButton_ = LoadButton(display, sound, Buttons::kHelp);
    shownDifficulty_.reset();
    // Nothing is waiting for the high-score table once the menu is back.
    shared.finalScore = 0;
}

void StartScreen::Draw(Display& display) {
    display.DrawImage(background_.get(), 0, 0);
    for (Button* button :
         {playGameButton_.get(), resumeButton_.get(), highScoresButton_.get(), helpButton_.get()}) {
        if (button)
            button->Draw(display);
    }
    DrawDifficultyPicture(display);
}

bool StartScreen::RunButton(Button& button, Display& display, int x, int y, bool leftDown,
                            bool rightDown) {
    button.HandleMouse(x, y, leftDown, rightDown);
    // Nothing else paints over the buttons here, so an unchanged one stays
    // as it is: an idle menu then costs next to nothing.
    button.DrawIfChanged(display);
    if (!button.IsClicked())
        return false;
    button.SetPushed(false);
    return true;
}

ScreenCode StartScreen::Update(Display& display, SoundSystem& /*sound*/, int x, int y,
                               bool leftDown, bool rightDown) {
    if (!playGameButton_)
        return Stay;  // not entered
    if (RunButton(*playGameButton_, display, x, y, leftDown, rightDown))
        return ToPlay;
    if (RunButton(*resumeButton_, display, x, y, leftDown, rightDown)) {
        RequestResume();
        return ToPlay;
    }
    if (RunButton(*highScoresButton_, display, x, y, leftDown, rightDown))
        return ToScores;
    if (RunButton(*helpButton_, display, x, y, leftDown, rightDown)) {
        OpenWebPage(kHintsPage);  // the browser's fate is not ours to report
    }
    CycleDifficulty(x, y, leftDown);
    if (shownDifficulty_ != shared.difficulty) {
        display.DrawImagePart(background_.get(), kPictureLeft, kPictureTop, kPictureLeft,
                              kPictureTop, kPictureRight, kPictureBottom);
        DrawDifficultyPicture(display);
    }
    return Stay;
}

void StartScreen::RequestResume() {
    // Only a saved game that can really be played on counts; anything else
    // (no file, the end marker, a damaged file) starts a new Normal game.
    if (std::optional<SavedGame> saved = SavedGame::Read()) {
        shared.variant = saved->variant;
        shared.resumeRequested = true;
        return;
    }
    ShowMessageBox("No saved game...",
                   "There is no game to resume.  A new game will be started for you.");
    shared.resumeRequested = false;
    shared.variant = NormalVariant;
}

void StartScreen::CycleDifficulty(int x, int y, bool leftDown) {
    if (!leftDown || x <= kPictureLeft || x >= kPictureRight || y <= kPictureTop ||
        y >= kPictureBottom) {
        return;
    }
    const int32_t current = shared.difficulty;
    shared.difficulty = (current >= Easy && current < Hard) ? current + 1 : Easy;
    // Blocks the game on purpose: a held button steps once per wait.
    SleepFor(kDifficultyWait);
}

void StartScreen::DrawDifficultyPicture(Display& display) {
    shownDifficulty_ = shared.difficulty;
    const Image* picture = hardPicture_.get();
    if (shared.difficulty == Easy)
        picture = easyPicture_.get();
    if (shared.difficulty == NormalDifficulty)
        picture = normalPicture_.get();
    display.DrawImage(picture, kPictureLeft, kPictureTop);
}

void StartScreen::Leave() {
    ReleaseButton(playGameButton_);
    ReleaseButton(resumeButton_);
    ReleaseButton(highScoresButton_);
    ReleaseButton(helpButton_);
    background_.reset();
    easyPicture_.reset();
    normalPicture_.reset();
    hardPicture_.reset();
}
