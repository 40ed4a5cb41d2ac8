#pragma once
#include <string>
#include <vector>

class Window;

// A modal message box with one OK button. It blocks until the player
// dismisses it, owned by the main window once one is set.
void ShowMessageBox(const std::string& caption, const std::string& text);

// The window that owns message boxes (nullptr: none). Set by the main window.
void SetMessageBoxOwner(Window* owner);

// For tests: while a MessageBoxRecorder lives, message boxes are recorded
// here instead of shown, and answered at once. Under SDL's dummy video driver
// boxes are never shown either; their text goes to stderr.
class MessageBoxRecorder {
  public:
    struct Shown {
        std::string caption;
        std::string text;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<Shown>& All() const { return shown_; }
    void Record(const std::string& caption, const std::string& text);

  private:
    std::vector<Shown> shown_;
};
