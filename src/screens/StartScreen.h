#pragma once
#include "app/Screen.h"

// Stand-in until the real start screen arrives: a plain background.
class StartScreen : public Screen {
  public:
    void Draw(Display& display) override;
};
