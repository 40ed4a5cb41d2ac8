#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/EditField.h"
#include "platform/PixelScale.h"
#include "platform/TextPrompt.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Keysym;
union SDL_Event;
class DialogFont;
class Window;

// A small modal window of our own, centred over the game's window and
// enlarged by the same scale (its picture is painted at the plain size and
// shown k times as large, and its sizes below are of that picture): the
// message, an edit box with a caret that takes text input, OK (the default:
// Enter) and Cancel (Escape, the close box). As a message box it has the
// text and OK alone, which Enter, Escape and the close box answer. It runs
// its own event loop and returns only when it is closed; nothing else of the
// game runs meanwhile. A request to quit the game closes it too (the answer
// says so) and is handed on to the main loop; so does the game window's
// close box behind a message box, never behind a question.
class DialogWindow {
  public:
    // The game's window, which dialogs are centred over and modal for, what
    // to do before one opens (show the frame drawn so far) and each time an
    // open one has waited without an event (let the sound device rest once
    // quiet, as the game's loop does). Null: none.
    static void SetOwner(Window* owner, std::function<void()> beforeOpen,
                         std::function<void()> whileWaiting = nullptr);
    // What the open dialog's edit box holds ("" when none is open): all that
    // is left of it when the display is lost.
    static std::string TextSoFar();

    // Shows the prompt and waits for its answer. While a ScriptedPrompts
    // lives the answer comes from it; with no screen to show a window on
    // (see HasScreen) the prompt is cancelled at
    // once and stderr says so, since a window nobody sees would wait for ever.
    static PromptAnswer Run(const TextPrompt& prompt);

    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

  private:
    struct Box {
        int x, y, w, h;
        bool Contains(int px, int py) const {
            return px >= x && px < x + w && py >= y && py < y + h;
        }
    };
    struct WindowFree {
        void operator()(SDL_Window* window) const;
    };
    struct SurfaceFree {
        void operator()(SDL_Surface* surface) const;
    };
    enum class Pressed { None, Ok, Cancel };
    enum class Closed { Ok, Cancel, Quit };
    using Outcome = std::optional<Closed>;  // empty: still open

    explicit DialogWindow(const TextPrompt& prompt);
    void LayOutMessageBox(int lineHeight);
    bool Open();
    bool OpenInsideOwner();
    void ShowInsideOwner(SDL_Surface* panel);
    uint32_t OurWindowId() const;
    PromptAnswer RunLoop();
    bool CaretOn() const;
    // How long the loop may sleep when no event comes.
    uint32_t MillisecondsToWake() const;

    Outcome Handle(const SDL_Event& event);
    Outcome ForeignWindowEvent(const SDL_Event& event);
    Outcome Key(const SDL_Keysym& key);
    Outcome Mouse(const SDL_Event& event);
    void Paste();
    void PlaceCaret(int x);
    // Runs an edit and shows the caret at once, as edit boxes do.
    template <typename Edit>
    void Changed(Edit edit);

    void Paint(bool caretOn);
    void PaintEdit(SDL_Surface* surface, bool caretOn);
    void PaintButton(SDL_Surface* surface, const Box& box, const char* label, bool pushed,
                     bool isDefault);

    const TextPrompt& prompt_;
    std::unique_ptr<DialogFont> font_;
    std::vector<std::string> lines_;
    std::unique_ptr<SDL_Window, WindowFree> window_;
    // The dialog's picture at the plain size.
    std::unique_ptr<SDL_Surface, SurfaceFree> picture_;
    PixelScale scale_;
    // Where the browser has one canvas, the picture is shown over the game
    // at the origin (its top-left corner in the game's window), under a
    // caption bar of its own, instead of in a window of its own.
    bool insideOwner_ = false;
    int originX_ = 0, originY_ = 0;
    // Events for the game's own window, handed back when the dialog closes.
    std::vector<SDL_Event> forLater_;
    EditField field_;
    Box edit_{}, ok_{}, cancel_{};
    int width_ = 0;
    int height_ = 0;
    int scroll_ = 0;
    int pointerX_ = -1, pointerY_ = -1;
    Pressed pressed_ = Pressed::None;
    uint32_t blinkStart_ = 0;
};
