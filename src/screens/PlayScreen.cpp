#include "screens/PlayScreen.h"

#include "engine/Display.h"

void PlayScreen::Draw(Display& display) {
    display.FillRect(0, 0, 625, 440, 0x1A3A4A);
}
