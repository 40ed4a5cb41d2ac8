// Kept apart from MainFrame so that only the game itself, not every test of
// the shell, links the three real screens.
#include "app/MainFrame.h"
#include "platform/Window.h"
#include "screens/PlayScreen.h"
#include "screens/ScoreScreen.h"
#include "screens/StartScreen.h"

MainFrame::Setup MainFrame::Setup::Game() {
    Setup setup;
    setup.openWindow = OpenGameWindow;
    setup.makeScreens = [] {
        return ScreenSet{std::make_unique<StartScreen>(), std::make_unique<PlayScreen>(),
                         std::make_unique<ScoreScreen>()};
    };
    return setup;
}
