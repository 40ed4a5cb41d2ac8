#pragma once
#include <cstdint>

// The pointer in client pixels and the button states, written only by the
// main window's event handling and read by the tick.
struct MouseState {
    int32_t x = 0;
    int32_t y = 0;
    bool leftDown = false;
    bool rightDown = false;
};

extern MouseState mouse;
