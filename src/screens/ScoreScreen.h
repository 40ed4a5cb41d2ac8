#pragma once
#include "app/Screen.h"

// Stand-in until the real score screen arrives: a plain background.
class ScoreScreen : public Screen {
  public:
    void Draw(Display& display) override;
};
