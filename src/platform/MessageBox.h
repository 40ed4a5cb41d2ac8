#pragma once
#include <string>
#include <vector>

// A modal message box with one OK button, a window of the game's own over
// its main window (see DialogWindow). It blocks until the player dismisses
// it or the game is asked to quit; the caller goes on as after OK either
// way. With no window to show it in, or once the display is lost, the text
// goes to stderr.
void ShowMessageBox(const std::string& caption, const std::string& text);

// Before the game's window exists (the game cannot start): the text goes to
// stderr, and to a box of its own, which starts SDL video for itself (and
// leaves it for the program's end, which follows), when there is a screen to
// show it on. It returns once the box is answered.
void ShowMessageBoxBeforeStart(const std::string& caption, const std::string& text);

// The session is ending (the system asked the game to quit: a signal, a log
// out): nobody is at the window to answer, so from now on a box's text goes
// to stderr and the game goes on as after OK.
void SendMessageBoxesToStderr();

// The game's names of the font message boxes are written in.
void SetMessageBoxFont(const std::string& sheet, const std::string& metrics);

// For tests: while a MessageBoxRecorder lives, message boxes are recorded
// here instead of shown, and answered at once.
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
