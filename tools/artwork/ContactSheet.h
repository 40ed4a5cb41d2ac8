#pragma once
#include <string>
#include <vector>

#include "ArtworkSet.h"

// One PNG that shows every picture at its size on a mid-grey ground (so the
// transparent black shows as grey, as in the game), its file name under it.
class ContactSheet {
  public:
    static bool Write(const std::string& path, const std::vector<ArtworkSet::Picture>& pictures);
};
