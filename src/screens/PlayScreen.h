#pragma once
#include <cstdint>
#include <memory>

#include "app/Screen.h"
#include "board/GameKind.h"
#include "engine/Image.h"

class Button;
class FontSet;
class GameMode;
class Sound;

// The screen a game is played on: the board (run by the game mode) and the
// panel beside it with the level bar, the level and score texts and the Hint,
// N Type, R Type, New Game and End buttons. It carries the points of completed
// levels, moves to the next level when the target is reached and saves a
// running game when it is left.
class PlayScreen : public Screen {
  public:
    // Level L is complete when its own points reach L times this.
    static constexpr int32_t kPointsPerLevel = 1000;
    static constexpr int kBarX = 425;
    static constexpr int kBarY = 20;
    static constexpr int kBarWidth = 25;
    static constexpr int kBarHeight = 400;
    static constexpr int kPanelLeft = 420;
    static constexpr int kTextLeft = 465;
    static constexpr int kTextRight = 610;
    static constexpr int kLevelTextTop = 280;
    static constexpr int kScoreTextTop = 300;
    static constexpr int kBoardOrigin = 20;

    static constexpr const char* kSavedCaption = "Your game has been automatically saved...";
    static constexpr const char* kSavedText =
        "You can continue this game at a later time by selecting the \"Resume Game\" option at "
        "the start menu.";
    static constexpr const char* kNotSavedCaption = "Your game could not be saved...";
    static constexpr const char* kNotSavedText =
        "Vlims could not write Data\\Resume.dat, so this game cannot be resumed later.";

    PlayScreen();
    ~PlayScreen() override;
    PlayScreen(const PlayScreen&) = delete;
    PlayScreen& operator=(const PlayScreen&) = delete;

    void Enter(Display& display, SoundSystem& sound, uint32_t now) override;
    void Draw(Display& display) override;
    ScreenCode Update(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                      bool leftDown, bool rightDown) override;
    // Saves a running game first (and tells the player), then frees all.
    void Leave() override;
    uint32_t QuietFor(uint32_t now) const override;

    // Rows of the filled bar for `levelScore` points of `level`'s target,
    // 0 to kBarHeight.
    static int LevelBarFill(int32_t levelScore, int32_t level);

    int32_t Level() const { return level_; }
    int64_t ScoreBase() const { return scoreBase_; }
    // The points of the game so far; a total beyond 32 bits (where a
    // saved game near the top can lead) stays at the largest.
    int32_t TotalScore() const;
    // The running game; nullptr while the screen is not current.
    GameMode* Mode() const { return mode_.get(); }
    const Button* HintButton() const { return hintButton_.get(); }
    const Button* NormalTypeButton() const { return normalTypeButton_.get(); }
    const Button* RotationalTypeButton() const { return rotationalTypeButton_.get(); }
    const Button* NewGameButton() const { return newGameButton_.get(); }
    const Button* EndButton() const { return endButton_.get(); }

  private:
    void LoadAssets(Display& display, SoundSystem& sound, uint32_t now);
    // Restores the saved game; false (and nothing changed) when there is none.
    bool ResumeSavedGame(Display& display, SoundSystem& sound, uint32_t now);
    void StartNewGame(Display& display, SoundSystem& sound, uint32_t now);
    // A new mode object of the current variant on a fresh board.
    void ReplaceMode(Display& display, SoundSystem& sound, bool nextLevel, uint32_t now);
    // Pushes the button of the current variant as the mark of the selection.
    void MarkSelectedVariant(uint32_t now);

    void RunHint(Display& display, uint32_t now, int x, int y, bool leftDown, bool rightDown);
    void RunVariantButtons(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                           bool leftDown, bool rightDown);
    // One variant button; switches to `variant` when it is clicked while the
    // other variant is selected.
    void RunVariantButton(Button& button, Button& other, GameVariant variant, Display& display,
                          SoundSystem& sound, uint32_t now, int x, int y, bool leftDown,
                          bool rightDown);
    void RunNewGame(Display& display, SoundSystem& sound, uint32_t now, int x, int y, bool leftDown,
                    bool rightDown);
    bool RunEnd(uint32_t now, int x, int y, bool leftDown, bool rightDown);
    void CheckLevel(Display& display, SoundSystem& sound, uint32_t now);

    void DrawLevelBar(Display& display) const;
    void DrawTexts(Display& display) const;
    void DrawButtons(Display& display) const;

    ImagePtr background_;
    ImagePtr levelBar_;
    ImagePtr levelBarFilled_;
    std::unique_ptr<Sound> nextLevelSound_;
    std::unique_ptr<GameMode> mode_;
    int32_t level_ = 1;
    // Wide, so that no sum of carried points can overflow.
    int64_t scoreBase_ = 0;
    std::unique_ptr<Button> newGameButton_;
    std::unique_ptr<Button> endButton_;
    std::unique_ptr<Button> hintButton_;
    std::unique_ptr<Button> normalTypeButton_;
    std::unique_ptr<Button> rotationalTypeButton_;
    std::unique_ptr<FontSet> fonts_;
    // This tick's hint repainted the board without the mode's start help,
    // which the next tick draws again: this tick promises no quiet.
    bool boardRepainted_ = false;
};
