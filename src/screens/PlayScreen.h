#pragma once
#include "app/Screen.h"

// Stand-in until the real play screen arrives: a plain background.
class PlayScreen : public Screen {
  public:
    void Draw(Display& display) override;
};
