#pragma once
#include "engine/Image.h"

// One picture of an animation and how long it is shown, in milliseconds.
struct Frame {
    ImagePtr image;
    int delay = 100;
};
