#include "screens/StartScreen.h"

#include "app/SharedState.h"
#include "engine/Display.h"
#include "modes/SavedGame.h"
#include "platform/MessageBox.h"
#include "platform/WebPage.h"
#include "screens/Button.h"

StartScreen::StartScreen() : difficultyPicture_(120, 110) {}

StartScreen::~StartScreen() {
    StartScreen::Leave();
}

void StartScreen::Enter(Display& display, SoundSystem& sound, uint32_t now) {
    background_ = display.LoadImageFile("Graphics\\Gui\\Background Startup.bmp", 625, 440);
    difficultyPicture_.Load(display);
    playGameButton_ = Button::Create(display, sound, Buttons::kPlayGame, now);
    resumeButton_ = Button::Create(display, sound, Buttons::kResume, now);
    highScoresButton_ = Button::Create(display, sound, Buttons::kHighScores, now);
    helpButton_ = Button::Create(display, sound, Buttons::kHelp, now);
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
    difficultyPicture_.Draw(display);
}

bool StartScreen::RunButton(Button& button, Display& display, uint32_t now, int x, int y,
                            bool leftDown, bool rightDown) {
    button.HandleMouse(x, y, leftDown, rightDown, now);
    // Nothing else paints over the buttons here, so an unchanged one stays
    // as it is: an idle menu then costs next to nothing.
    button.DrawIfChanged(display);
    if (!button.IsClicked(now))
        return false;
    button.SetPushed(false);
    return true;
}

ScreenCode StartScreen::Update(Display& display, SoundSystem& /*sound*/, uint32_t now, int x, int y,
                               bool leftDown, bool rightDown) {
    if (!playGameButton_)
        return Stay;  // not entered
    if (RunButton(*playGameButton_, display, now, x, y, leftDown, rightDown))
        return ToPlay;
    if (RunButton(*resumeButton_, display, now, x, y, leftDown, rightDown)) {
        RequestResume();
        return ToPlay;
    }
    if (RunButton(*highScoresButton_, display, now, x, y, leftDown, rightDown))
        return ToScores;
    if (RunButton(*helpButton_, display, now, x, y, leftDown, rightDown)) {
        OpenWebPage(kHintsPage);  // without a browser, it names the page on stderr
    }
    difficultyPicture_.StepIfPressed(x, y, leftDown);
    difficultyPicture_.RedrawIfChanged(display, background_.get());
    return Stay;
}

uint32_t StartScreen::QuietFor(uint32_t now) const {
    // Only a click changes this screen; a held mouse button never lets the
    // loop sleep, so the difficulty picture needs no looking at.
    if (!playGameButton_ || !Button::AllSettled({playGameButton_.get(), resumeButton_.get(),
                                                 highScoresButton_.get(), helpButton_.get()},
                                                now))
        return 0;
    return UINT32_MAX;
}

void StartScreen::RequestResume() {
    // Only a saved game that can really be played on counts; anything else
    // (no file, the end marker, a damaged file) starts a new Normal game.
    std::optional<SavedGame> saved = SavedGame::Read();
    if (saved && !shared.savedGameEnded) {
        shared.variant = saved->variant;
        shared.resumeRequested = true;
        return;
    }
    ShowMessageBox("No saved game...",
                   "There is no game to resume.  A new game will be started for you.");
    shared.resumeRequested = false;
    shared.variant = NormalVariant;
}

void StartScreen::Leave() {
    playGameButton_.reset();
    resumeButton_.reset();
    highScoresButton_.reset();
    helpButton_.reset();
    background_.reset();
    difficultyPicture_.Release();
}
