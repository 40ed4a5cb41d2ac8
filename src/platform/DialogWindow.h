#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/EditField.h"
#include "platform/TextPrompt.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Keysym;
union SDL_Event;
class DialogFont;

// A small modal window of our own: the message, an edit box with a caret that
// takes text input, OK (the default: Enter) and Cancel (Escape, the close
// box). It runs its own event loop and returns only when OK or Cancel closed
// it; nothing else of the game runs meanwhile. A request to quit the game
// while it is open cancels it and is handed on to the main loop.
class DialogWindow {
  public:
    // Shows the prompt and waits for its answer. While a ScriptedPrompts
    // lives the answer comes from it; with no screen to show a window on
    // (SDL video not started, or a dummy driver) the prompt is cancelled at
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
    enum class Pressed { None, Ok, Cancel };
    using Outcome = std::optional<bool>;  // true OK, false Cancel, empty: still open

    explicit DialogWindow(const TextPrompt& prompt);
    static bool CanShowWindows();
    bool Open();
    PromptAnswer RunLoop();

    Outcome Handle(const SDL_Event& event);
    Outcome ForeignWindowEvent(const SDL_Event& event);
    Outcome Key(const SDL_Keysym& key);
    Outcome Mouse(const SDL_Event& event);
    void Paste();
    void PlaceCaret(int x);
    // Runs an edit and shows the caret at once, as edit boxes do.
    template <typename Edit>
    void Changed(Edit edit);

    void Paint();
    void PaintEdit(SDL_Surface* surface, bool caretOn);
    void PaintButton(SDL_Surface* surface, const Box& box, const char* label, bool pushed,
                     bool isDefault);

    const TextPrompt& prompt_;
    std::unique_ptr<DialogFont> font_;
    std::vector<std::string> lines_;
    std::unique_ptr<SDL_Window, WindowFree> window_;
    // Events for the game's own window, handed back when the dialog closes.
    std::vector<SDL_Event> forLater_;
    EditField field_;
    Box edit_{}, ok_{}, cancel_{};
    int height_ = 0;
    int scroll_ = 0;
    int pointerX_ = -1, pointerY_ = -1;
    Pressed pressed_ = Pressed::None;
    uint32_t blinkStart_ = 0;
};
