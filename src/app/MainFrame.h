#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/Screen.h"
#include "platform/DisplayLoss.h"
#include "platform/WindowEvents.h"

class Display;
class SoundSystem;
class Window;

// The three screens the game is made of, created once at start-up.
struct ScreenSet {
    std::unique_ptr<Screen> start;
    std::unique_ptr<Screen> play;
    std::unique_ptr<Screen> score;
};

// The main window. Its constructor does all of start-up, in order: window,
// graphics check, display, sound, the three screens, then the start screen
// entered, drawn and presented. Its handlers turn the window's mouse and
// focus events into `mouse`, and a close request into the shut-down.
class MainFrame : public WindowEvents {
  public:
    // How the frame meets its host. The game opens a real window and makes
    // its own three screens; tests leave out the window (headless: no window,
    // the check passes), or fail the check, and bring screens of their own.
    struct Setup {
        // Null with a reason in `error` means the graphics check failed.
        std::function<std::unique_ptr<Window>(std::string* error)> openWindow;
        std::function<ScreenSet()> makeScreens;

        // The real window and the game's three screens.
        static Setup Game();
    };

    // The game's window: title, client area, position and icon.
    static std::unique_ptr<Window> OpenGameWindow(std::string* error);

    static constexpr int kClientWidth = 625;
    static constexpr int kClientHeight = 440;
    static const char* const kTitle;
    // The message shown when the graphics check fails.
    static const char* const kCheckCaption;
    static const std::string& CheckFailedText();
    // Message boxes write in the game's own font, also those that say why
    // the game cannot start.
    static void UseMessageBoxFont();

    MainFrame(Display& display, SoundSystem& soundSystem, Setup setup);
    ~MainFrame() override;
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    void ShowWindow();

    // Window events.
    void OnClose() override;
    void OnPaint() override;
    void OnEraseBackground() override;
    void OnLeftButtonDown(int x, int y) override;
    void OnLeftButtonUp(int x, int y) override;
    void OnRightButtonDown(int x, int y) override;
    void OnRightButtonUp(int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnActivate() override;
    // A tick has read the mouse: releases held back for it now count.
    void TickRan();

    // For the main loop.
    bool AppActive() const { return appActive_; }
    bool QuitPosted() const { return quitPosted_; }
    Screen* CurrentScreen() const { return currentScreen_; }
    // The screen a code leads to; null for Stay or a code no screen answers.
    Screen* TargetScreen(ScreenCode code) const;
    void MakeCurrent(Screen* screen) { currentScreen_ = screen; }
    uint32_t WindowId() const;
    Window* GetWindow() const { return window_.get(); }

  private:
    // A press and its release that both come before a tick would leave the
    // tick blind to the click, so such a release waits for one tick. Kept on
    // purpose: a touchpad tap is a click, although a loop that only samples
    // the buttons on its tick would miss it.
    struct PressHold {
        bool unseen = false;
        bool releaseHeld = false;
    };
    static void Press(bool& down, PressHold& hold);
    static void Release(bool& down, PressHold& hold);
    static void EndHold(bool& down, PressHold& hold);

    bool PassesGraphicsCheck(Setup& setup);
    void SaveWithoutDisplay();
    void SaveAndPlayOn();
    void ReleaseEverything();

    Display& display_;
    SoundSystem& soundSystem_;
    std::unique_ptr<Window> window_;
    ScreenSet screens_;
    Screen* currentScreen_ = nullptr;
    bool appActive_ = false;
    bool quitPosted_ = false;
    bool released_ = false;
    PressHold leftHold_;
    PressHold rightHold_;
    DisplayLoss::Saver lostDisplaySaver_{[this] { SaveWithoutDisplay(); }};
};
