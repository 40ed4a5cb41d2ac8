#include "screens/StartScreen.h"

#include "engine/Display.h"

void StartScreen::Draw(Display& display) {
    display.FillRect(0, 0, 625, 440, 0x3A2A4A);
}
