#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/PixelScale.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Rect;

// The game's main window: a fixed client area at a given place on the
// desktop, not resizable, created hidden and shown by Show. Opening it initialises SDL video;
// closing it shuts video down again. Sizes and places are in game pixels: on
// a desktop that scales, the window is k times as large and placed at k times
// the place (see DesktopScale), and only this layer knows it.
class Window {
  public:
    // Null on failure, with the reason in `error`.
    static std::unique_ptr<Window> Open(const std::string& title, int left, int top,
                                        int clientWidth, int clientHeight, std::string* error);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Black (0,0,0) is transparent; a missing file leaves SDL's default icon.
    // The larger picture serves an enlarged window, so the icon stays as
    // crisp as the game.
    void SetIcon(const std::string& gamePath, const std::string& largerGamePath);
    void Show();
    // Shows `part` of the game's `frame`, each pixel a k x k block; a window
    // the desktop gave another size gets the whole frame stretched over it.
    void ShowFrame(SDL_Surface* frame, const SDL_Rect& part);
    const PixelScale& Scale() const { return scale_; }
    void ClientSize(int* width, int* height) const;
    uint32_t Id() const;
    SDL_Window* Handle() const { return window_; }

  private:
    Window(SDL_Window* window, int left, int top, PixelScale scale)
        : window_(window), left_(left), top_(top), scale_(scale) {}
    SDL_Window* window_;
    // Where the client area's top-left corner belongs on the desktop.
    int left_;
    int top_;
    PixelScale scale_;
};
