#pragma once

// Counts the blits our code makes onto surfaces (SDL_BlitSurface) while an
// instance lives, so tests can check what a draw costs without timing it.
class BlitCounter {
  public:
    BlitCounter();
    ~BlitCounter();
    BlitCounter(const BlitCounter&) = delete;
    BlitCounter& operator=(const BlitCounter&) = delete;

    int Count() const;
};
