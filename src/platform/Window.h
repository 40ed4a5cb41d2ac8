#pragma once
#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;

// The game's main window: a fixed client area at a given place on the
// desktop, not resizable, created hidden and shown by Show. Opening it initialises SDL video;
// closing it shuts video down again.
class Window {
  public:
    // Null on failure, with the reason in `error`.
    static std::unique_ptr<Window> Open(const std::string& title, int left, int top,
                                        int clientWidth, int clientHeight, std::string* error);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Black (0,0,0) is transparent; a missing file leaves SDL's default icon.
    void SetIcon(const std::string& gamePath);
    void Show();
    void ClientSize(int* width, int* height) const;
    uint32_t Id() const;
    SDL_Window* Handle() const { return window_; }

  private:
    Window(SDL_Window* window, int left, int top) : window_(window), left_(left), top_(top) {}
    SDL_Window* window_;
    // Where the client area's top-left corner belongs on the desktop.
    int left_;
    int top_;
};
