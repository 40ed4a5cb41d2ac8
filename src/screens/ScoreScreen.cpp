#include "screens/ScoreScreen.h"

#include <cstdio>

#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/FontSet.h"
#include "platform/DialogWindow.h"
#include "platform/DisplayLoss.h"
#include "platform/MessageBox.h"
#include "screens/Button.h"
#include "screens/NameDialog.h"

namespace {
constexpr int kTextFont = 1;
constexpr int kRight = 625;
constexpr int kBottom = 440;
constexpr int kTitleTop = 55;
constexpr int kFirstRowTop = 80;
constexpr int kRowHeight = 20;
constexpr int kStripeWidth = 250;
// Left edges of the two tables and where their scores end.
constexpr int kNormalLeft = 50;
constexpr int kNormalScoreRight = 300;
constexpr int kRotationalLeft = 320;
constexpr int kRotationalScoreRight = 570;
// Names start after the rank number.
constexpr int kNameIndent = 33;
}  // namespace

ScoreScreen::ScoreScreen() : difficultyPicture_(130, 290) {
    table_.LoadTable();
}

ScoreScreen::~ScoreScreen() {
    ScoreScreen::Leave();
    // That was the run's last save: a score the file could not take is lost
    // now, and only the player can free the disk or the folder next time.
    if (table_.HasUnsavedChanges())
        ShowMessageBox(kNotSavedCaption, kNotSavedText);
}

void ScoreScreen::Enter(Display& display, SoundSystem& sound, uint32_t now) {
    fonts_ = std::make_unique<FontSet>(display);
    background_ = display.LoadImageFile("Graphics\\Gui\\Background Score.bmp", 625, 440);
    rowStripe1_ = display.LoadImageFile("Graphics\\Gui\\Name 1.bmp", kStripeWidth, kRowHeight);
    rowStripe2_ = display.LoadImageFile("Graphics\\Gui\\Name 2.bmp", kStripeWidth, kRowHeight);
    difficultyPicture_.Load(display);
    menuButton_ = Button::Create(display, sound, Buttons::kMenu, now);
    // A score whose save failed is still only in memory: reading the file
    // would drop it, so it is saved again instead.
    if (table_.HasUnsavedChanges()) {
        table_.SaveTable();
    } else {
        table_.LoadTable();
    }
}

void ScoreScreen::Draw(Display& display) {
    display.DrawImage(background_.get(), 0, 0);
    if (fonts_) {
        fonts_->DrawString(display, "Normal Game", kTextFont, kNormalLeft, kTitleTop,
                           kNormalScoreRight, kBottom, Centred);
        fonts_->DrawString(display, "Rotational Game", kTextFont, 340, kTitleTop, 590, kBottom,
                           Centred);
    }
    DrawTable(display, NormalVariant, kNormalLeft, kNormalScoreRight);
    DrawTable(display, RotationalVariant, kRotationalLeft, kRotationalScoreRight);
    if (menuButton_)
        menuButton_->Draw(display);
}

void ScoreScreen::DrawTable(Display& display, GameVariant variant, int left, int scoreRight) const {
    for (int rank = 0; rank < HighScoreTable::kRanks; ++rank) {
        const int y = kFirstRowTop + kRowHeight * rank;
        // Row numbers count from 1: odd rows have the first stripe.
        display.DrawImage(rank % 2 == 0 ? rowStripe1_.get() : rowStripe2_.get(), left, y);
        if (!fonts_)
            continue;
        const HighScoreEntry& entry = table_.Entry(variant, shared.difficulty, rank);
        char number[16];
        std::snprintf(number, sizeof number, "%d.", rank + 1);
        char score[16];
        std::snprintf(score, sizeof score, "%d", static_cast<int>(entry.score));
        fonts_->DrawString(display, number, kTextFont, left, y, kRight, kBottom, Wrapped);
        fonts_->DrawString(display, entry.Name(), kTextFont, left + kNameIndent, y, kRight, kBottom,
                           Wrapped);
        fonts_->DrawString(display, score, kTextFont, 0, y, scoreRight, kBottom, RightAligned);
    }
}

ScreenCode ScoreScreen::Update(Display& display, SoundSystem& /*sound*/, uint32_t now, int x, int y,
                               bool leftDown, bool rightDown) {
    if (!menuButton_)
        return Stay;  // not entered
    EnterFinalScore();
    Draw(display);
    menuButton_->HandleMouse(x, y, leftDown, rightDown, now);
    menuButton_->Draw(display);
    if (menuButton_->IsClicked(now)) {
        menuButton_->SetPushed(false);
        return ToStart;
    }
    difficultyPicture_.StepIfPressed(x, y, leftDown);
    difficultyPicture_.Draw(display);
    return Stay;
}

uint32_t ScoreScreen::QuietFor(uint32_t now) const {
    // A score still to enter opens the name dialog on the next tick.
    if (!menuButton_ || shared.finalScore != 0 || !menuButton_->Settled(now))
        return 0;
    return UINT32_MAX;
}

void ScoreScreen::EnterFinalScore() {
    if (shared.finalScore == 0)
        return;
    const GameVariant variant = shared.variant;
    const Difficulty difficulty = shared.difficulty;
    const int rank = table_.FindRank(variant, difficulty, shared.finalScore);
    if (rank < HighScoreTable::kRanks) {
        // Runs its own modal loop; Cancel clears the final score.
        NameDialog dialog;
        {
            // Should the display go while the player types, the score still
            // goes in, under the name typed so far.
            DisplayLoss::Saver enterAnyway([&] {
                dialog.OnNameOK(DialogWindow::TextSoFar());
                table_.InsertEntry(variant, difficulty, rank, EnteredName.data(),
                                   shared.finalScore);
                table_.SaveTable();
            });
            dialog.DoModal();
        }
        if (shared.finalScore != 0) {
            table_.InsertEntry(variant, difficulty, rank, EnteredName.data(), shared.finalScore);
            table_.SaveTable();
        }
    }
    shared.finalScore = 0;
}

void ScoreScreen::Leave() {
    shared.finalScore = 0;
    if (menuButton_)
        menuButton_->Release();
    menuButton_.reset();
    fonts_.reset();
    // Written even when unchanged, so that every run leaves a whole table:
    // the defaults on a first run, a damaged file replaced by what was read
    // of it, and any score an earlier save could not write.
    table_.SaveTable();
    background_.reset();
    rowStripe1_.reset();
    rowStripe2_.reset();
    difficultyPicture_.Release();
}
