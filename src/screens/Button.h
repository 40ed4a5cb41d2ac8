#pragma once
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "engine/Image.h"
#include "platform/Deadline.h"

class Display;
class Sound;
class SoundSystem;

// Where a button sits and what it looks and sounds like. Paths are game paths.
struct ButtonLayout {
    int x;
    int y;
    int width;
    int height;
    const char* normalImage;
    const char* pushedImage;
    const char* sound;
};

// Every button of the game, by screen.
namespace Buttons {
inline constexpr ButtonLayout kPlayGame{325,
                                        100,
                                        150,
                                        40,
                                        "Graphics\\Gui\\Play Game Button.bmp",
                                        "Graphics\\Gui\\Play Game Button Pushed.bmp",
                                        "Sounds\\Click.wav"};
inline constexpr ButtonLayout kResume{325,
                                      150,
                                      150,
                                      40,
                                      "Graphics\\Gui\\Resume Button.bmp",
                                      "Graphics\\Gui\\Resume Button Pushed.bmp",
                                      "Sounds\\Click.wav"};
inline constexpr ButtonLayout kHighScores{325,
                                          200,
                                          150,
                                          40,
                                          "Graphics\\Gui\\High Scores Button.bmp",
                                          "Graphics\\Gui\\High Scores Button Pushed.bmp",
                                          "Sounds\\Click.wav"};
inline constexpr ButtonLayout kHelp{325,
                                    250,
                                    150,
                                    40,
                                    "Graphics\\Gui\\Help Button.bmp",
                                    "Graphics\\Gui\\Help Button Pushed.bmp",
                                    "Sounds\\Click.wav"};
inline constexpr ButtonLayout kHint{460,
                                    100,
                                    150,
                                    125,
                                    "Graphics\\Gui\\Hint Button.bmp",
                                    "Graphics\\Gui\\Hint Button Pushed.bmp",
                                    "Sounds\\Wand.wav"};
inline constexpr ButtonLayout kNormalType{460,
                                          240,
                                          75,
                                          35,
                                          "Graphics\\Gui\\N Type Button.bmp",
                                          "Graphics\\Gui\\N Type Button Pushed.bmp",
                                          "Sounds\\Click.wav"};
inline constexpr ButtonLayout kRotationalType{535,
                                              240,
                                              75,
                                              35,
                                              "Graphics\\Gui\\R Type Button.bmp",
                                              "Graphics\\Gui\\R Type Button Pushed.bmp",
                                              "Sounds\\Click.wav"};
inline constexpr ButtonLayout kNewGame{460,
                                       330,
                                       150,
                                       40,
                                       "Graphics\\Gui\\New Game Button.bmp",
                                       "Graphics\\Gui\\New Game Button Pushed.bmp",
                                       "Sounds\\Click.wav"};
inline constexpr ButtonLayout kEnd{460,
                                   380,
                                   150,
                                   40,
                                   "Graphics\\Gui\\End Button.bmp",
                                   "Graphics\\Gui\\End Button Pushed.bmp",
                                   "Sounds\\Click.wav"};
inline constexpr ButtonLayout kMenu{375,
                                    340,
                                    150,
                                    40,
                                    "Graphics\\Gui\\Menu Button.bmp",
                                    "Graphics\\Gui\\Menu Button Pushed.bmp",
                                    "Sounds\\Click.wav"};
}  // namespace Buttons

// A two-picture push button with a click sound. It does not act when pressed:
// it shows its pushed picture at once and reports the click on the first tick
// more than 250 ms later, which the owning screen polls. A new press is
// refused for 500 ms after the last one and while the button is still pushed;
// the mouse-button release is never looked at.
//
// Protocol, once per tick: HandleMouse, then IsClicked, both with the tick's
// count; a screen that acts on the click clears it with SetPushed(false).
class Button {
  public:
    Button();
    ~Button();
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    // `now` is the tick it is loaded in, which takes no press yet.
    void Load(Display& display, SoundSystem& sound, int x, int y, int width, int height,
              const std::string& normalPath, const std::string& pushedPath,
              const std::string& soundPath, uint32_t now);
    void Load(Display& display, SoundSystem& sound, const ButtonLayout& layout, uint32_t now);
    // A button loaded from one entry of the game's button table.
    static std::unique_ptr<Button> Create(Display& display, SoundSystem& sound,
                                          const ButtonLayout& layout, uint32_t now);

    // Takes a press when the left button is down strictly inside the
    // rectangle, the button is not pushed and the last press is 500 ms old.
    void HandleMouse(int mouseX, int mouseY, bool leftDown, bool rightDown, uint32_t now);
    void Draw(Display& display) const;
    // Draws only when the picture on screen is not the one the state asks
    // for, for screens whose buttons nothing else paints over.
    void DrawIfChanged(Display& display) const;
    // Pushed, and more than 250 ms have passed since the press.
    bool IsClicked(uint32_t now) const;
    // No click on its way (up, or pushed with its release already due: the
    // screen has acted on it, or it stays pushed to mark a choice) and drawn
    // as it is, so that a button just let up is shown up before any sleep.
    bool Settled(uint32_t now) const {
        return (!pushed_ || release_.Passed(now)) && drawn_ && drawnPushed_ == pushed_;
    }
    // Every one of `buttons` settled (none may be null).
    static bool AllSettled(std::initializer_list<const Button*> buttons, uint32_t now);
    // Frees the pictures and the sound; the rest keeps its values.
    void Release();

    bool Pushed() const { return pushed_; }
    void SetPushed(bool pushed) { pushed_ = pushed; }
    // Pushes the button silently with the timing of a press (the play screen
    // marks the selected variant this way).
    void PushSilently(uint32_t now);

    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t NextPressTime() const { return pressBlock_.At(); }
    uint32_t ReleaseTime() const { return release_.At(); }
    const Sound* ClickSound() const { return clickSound_.get(); }

  private:
    bool Contains(int mouseX, int mouseY) const;
    void StartPress(uint32_t now);

    ImagePtr normalImage_;
    ImagePtr pushedImage_;
    std::unique_ptr<Sound> clickSound_;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool pushed_ = false;
    // The next press is taken once this has passed.
    Deadline pressBlock_;
    // A pushed button counts as clicked once this has passed.
    Deadline release_;
    // What the last Draw showed; not state of the button itself.
    mutable bool drawn_ = false;
    mutable bool drawnPushed_ = false;
};
