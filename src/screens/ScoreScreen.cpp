#include "screens/ScoreScreen.h"

#include "engine/Display.h"

void ScoreScreen::Draw(Display& display) {
    display.FillRect(0, 0, 625, 440, 0x4A2A2A);
}
