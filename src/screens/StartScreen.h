#pragma once
#include <cstdint>
#include <memory>

#include "app/Screen.h"
#include "engine/Image.h"
#include "screens/DifficultyPicture.h"

class Button;

// The menu: Play Game, Resume, High Scores, Help and the difficulty picture,
// which cycles the difficulty when clicked.
class StartScreen : public Screen {
  public:
    StartScreen();
    ~StartScreen() override;
    StartScreen(const StartScreen&) = delete;
    StartScreen& operator=(const StartScreen&) = delete;

    void Enter(Display& display, SoundSystem& sound, uint32_t now) override;
    void Draw(Display& display) override;
    ScreenCode Update(Display& display, SoundSystem& sound, uint32_t now, int x, int y,
                      bool leftDown, bool rightDown) override;
    void Leave() override;
    uint32_t QuietFor(uint32_t now) const override;

    // The hints page, a game path inside the game folder.
    static constexpr const char* kHintsPage = "Help\\Hints.html";

  private:
    static bool RunButton(Button& button, Display& display, uint32_t now, int x, int y,
                          bool leftDown, bool rightDown);
    void RequestResume();

    ImagePtr background_;
    DifficultyPicture difficultyPicture_;
    std::unique_ptr<Button> playGameButton_;
    std::unique_ptr<Button> resumeButton_;
    std::unique_ptr<Button> highScoresButton_;
    std::unique_ptr<Button> helpButton_;
};
