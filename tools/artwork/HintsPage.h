#pragma once
#include "ArtworkSet.h"

// The page of hints that the start screen's Help button opens:
// "Help\Hints.html" with its pictures beside it, all made here.
class HintsPage {
  public:
    static void Write(ArtworkSet& set);
};
