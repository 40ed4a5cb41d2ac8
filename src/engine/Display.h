#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Image.h"

class Window;

// The one drawing device: a 625 x 440 back buffer that screens draw into, and
// Present, which shows it in the window. Without a window (headless tests)
// Present does nothing and tests read the back buffer with PixelAt.
//
// Screens repaint the same pictures in the same places tick after tick. So
// draws are recorded, not carried out at once: a tick (the draws between two
// presents) that asks for exactly the draws of the last tick carried out
// would leave the same pixels (every draw overwrites its opaque pixels and
// leaves the rest, so doing a list twice is doing it once), and is skipped
// with its present. Reading the back buffer carries out what is waiting
// first, so to every reader the draws happened when they were asked for.
class Display {
  public:
    // Creates "Direct Draw 5 Log.txt" empty in the game's folder. The log
    // is written the way saves are: whatever stands at its name (a link, a
    // pipe) is replaced, never opened.
    Display();
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // `window` may be null for a headless display.
    bool Create(Window* window);
    bool SetWindowed(int width, int height);
    // Shows the back buffer, stretched to the client area; skipped when the
    // back buffer has not changed since the last present.
    void Present();
    // Frees the back buffer; always true (a result kept for callers that test it).
    bool Release();

    // Never fails: a missing file gives an all-black (fully transparent)
    // image of the requested size and one line on stderr naming the file.
    // `path` is the game's name for the file (backslashes).
    ImagePtr LoadImageFile(const std::string& path, int width, int height);

    // Colour-keyed blits onto the back buffer. A destination rectangle that is
    // not wholly inside the back buffer draws nothing (returns false).
    bool DrawImage(const Image* image, int x, int y);
    void DrawImagePart(const Image* image, int x, int y, int left, int top, int right, int bottom);
    bool DrawImageScaled(const Image* image, int x, int y, int width, int height);

    // Back-buffer access for tests and plain fills: 0xRRGGBB.
    uint32_t PixelAt(int x, int y) const;
    void FillRect(int x, int y, int width, int height, uint32_t rgb);
    bool HasBackBuffer() const { return backBuffer_ != nullptr; }
    int BufferWidth() const { return bufferWidth_; }
    int BufferHeight() const { return bufferHeight_; }
    // Counts presents that showed a changed frame (headless too: those that
    // would have reached a window). For tests and benchmarks.
    int PresentedFrames() const { return presentedFrames_; }
    // For tests: from now on every present compares the whole frame on show
    // with the back buffer and counts those that leave them different (a
    // changed part cut short leaves a trail the player sees). A full compare
    // per present, so the game never asks for it.
    void CheckEveryPresent() { checkPresents_ = true; }
    int StalePresents() const { return stalePresents_; }
    // The window lost its contents (an expose): the next Present shows the
    // whole frame even if nothing changed.
    void Invalidate() { wholeFrameDue_ = true; }

  private:
    // One draw as asked for; equal calls draw equal pixels.
    struct DrawCall {
        enum class Kind : uint8_t { Part, Scaled, Fill };
        Kind kind = Kind::Fill;
        uint64_t serial = 0;  // the picture's, none for fills
        uint32_t colour = 0;  // fills: the back buffer's pixel value
        int left = 0, top = 0;
        int x = 0, y = 0, width = 0, height = 0;
        bool operator==(const DrawCall&) const = default;
    };
    struct Area {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool Empty() const { return right <= left || bottom <= top; }
    };

    void Log(const char* message);
    void Record(const DrawCall& call, const std::shared_ptr<SDL_Surface>& surface);
    // Carries out the draws of this tick not done yet.
    void CarryOutWaiting() const;
    void CarryOut(const DrawCall& call, SDL_Surface* surface) const;
    void ForgetDraws();
    bool Inside(int x, int y, int width, int height) const;
    void MarkChanged(int x, int y, int width, int height) const;
    // The smallest rectangle around the pixels of `area` that differ from
    // the frame on show; empty when none does.
    Area ChangedPart(const Area& area) const;
    void Remember(const Area& area);
    void ShowInWindow(const Area& area);
    void PresentChanges();
    bool ShowsBackBuffer() const;

    std::string logText_;
    Window* window_ = nullptr;
    SurfacePtr backBuffer_;
    SurfacePtr lastPresented_;
    int bufferWidth_ = 0;
    int bufferHeight_ = 0;
    int presentedFrames_ = 0;
    // This tick's draws, the pictures they need (released once carried
    // out), and how many of them are carried out already. Mutable: reading
    // the buffer carries out waiting draws, which changes nothing a reader
    // can tell.
    mutable std::vector<DrawCall> tickDraws_;
    mutable std::vector<std::shared_ptr<SDL_Surface>> tickSurfaces_;
    mutable size_t carriedOut_ = 0;
    // Draws of this tick were carried out and dropped to bound the list.
    bool tickIncomplete_ = false;
    // The draws of the last tick that was carried out.
    std::vector<DrawCall> lastDraws_;
    // Union of what the draws since the last present touched.
    mutable Area changed_;
    bool wholeFrameDue_ = true;
    bool created_ = false;
    bool checkPresents_ = false;
    int stalePresents_ = 0;
};
