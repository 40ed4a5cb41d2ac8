#pragma once
#include <memory>

#include "app/Screen.h"
#include "engine/Image.h"
#include "screens/DifficultyPicture.h"
#include "screens/HighScoreTable.h"

class Button;
class FontSet;

// The two high-score tables ("Normal Game" and "Rotational Game") of the
// current difficulty. A game that just ended with a score good enough for
// its table asks for the player's name and is entered and saved first. The
// difficulty picture cycles the difficulty; Menu goes back to the start.
//
// The table is read at construction and on every entry, and saved after a
// new score and on every leave (the destructor leaves once more, so also at
// shut-down). A score a save could not write stays in memory and is saved
// at the next chance; if shut-down cannot write it either, the player is told.
class ScoreScreen : public Screen {
  public:
    // Shown at exit when the table holds scores the file could not take.
    static constexpr const char* kNotSavedCaption = "Your high scores could not be saved...";
    static constexpr const char* kNotSavedText =
        "Vlims could not write Data\\Info.dat, so the new high scores are lost.";

    ScoreScreen();
    ~ScoreScreen() override;
    ScoreScreen(const ScoreScreen&) = delete;
    ScoreScreen& operator=(const ScoreScreen&) = delete;

    void Enter(Display& display, SoundSystem& sound, uint32_t now) override;
    void Draw(Display& display) override;
    ScreenCode Update(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                      bool leftDown, bool rightDown) override;
    void Leave() override;
    uint32_t QuietFor(uint32_t now) const override;

    const HighScoreTable& Table() const { return table_; }

  private:
    void EnterFinalScore();
    void DrawTable(Display& display, GameVariant variant, int left, int scoreRight) const;

    std::unique_ptr<FontSet> fonts_;
    ImagePtr background_;
    ImagePtr rowStripe1_;
    ImagePtr rowStripe2_;
    DifficultyPicture difficultyPicture_;
    std::unique_ptr<Button> menuButton_;
    HighScoreTable table_;
};
