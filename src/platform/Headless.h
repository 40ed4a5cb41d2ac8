#pragma once

// SDL's "dummy" and "offscreen" video drivers draw into memory only: tests
// ask for them by name, and SDL falls back to them when no display server
// answers. Nobody sees a window they make.
bool IsMemoryOnlyDriver(const char* driver);

// SDL video runs on a driver that shows windows to a player. False before
// SDL video is started and under a memory-only driver: then nothing may wait
// for an answer from the screen, nor open a browser beside a game nobody sees.
bool HasScreen();
