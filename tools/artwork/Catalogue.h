#pragma once
#include "ArtworkSet.h"

// Every file the game reads, by the name and at the size the game loads it.
class Catalogue {
  public:
    static void Vlims(ArtworkSet& set);
    static void Interface(ArtworkSet& set);
    static void Fonts(ArtworkSet& set);
    static void Sounds(ArtworkSet& set);
};
