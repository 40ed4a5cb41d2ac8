#pragma once
#include "ArtworkSet.h"

// Puts the made pictures together as the game's screens would show them
// (black transparent, text drawn from the font sheets by their metrics), so
// the contact sheet also shows how the art works together.
class ScreenMockup {
  public:
    // Adds the start, play (both variants) and score screens to the preview.
    static void AddTo(ArtworkSet& set);
};
