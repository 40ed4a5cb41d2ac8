#include "platform/MessageBox.h"

#include <SDL.h>

#include "platform/DiagnosticLog.h"
#include "platform/DialogWindow.h"
#include "platform/DisplayLoss.h"
#include "platform/Headless.h"

namespace {
MessageBoxRecorder* recorder = nullptr;
TextPrompt style;
bool toStderr = false;

void ShowInWindow(const std::string& caption, const std::string& text) {
    TextPrompt prompt = style;
    prompt.caption = caption;
    prompt.message = text;
    prompt.askForText = false;
    DialogWindow::Run(prompt);
}
}  // namespace

void SendMessageBoxesToStderr() {
    toStderr = true;
}

void SetMessageBoxFont(const std::string& sheet, const std::string& metrics) {
    style.fontSheet = sheet;
    style.fontMetrics = metrics;
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
    if (recorder) {
        recorder->Record(caption, text);
        return;
    }
    // A headless run, one whose display is gone, or one the system is
    // ending must never wait for a box nobody will answer.
    if (toStderr || DisplayLoss::Lost() || !HasScreen()) {
        DiagnosticLog::Report("message box", "%s: %s", caption.c_str(), text.c_str());
        return;
    }
    ShowInWindow(caption, text);
}

void ShowMessageBoxBeforeStart(const std::string& caption, const std::string& text) {
    DiagnosticLog::Report("start", "%s", text.c_str());
    if (recorder) {
        recorder->Record(caption, text);
        return;
    }
    // A player who started the game from a menu sees no stderr. Without a
    // screen (no display, a memory-only driver) stderr is all there is.
    // Video stays up until the process ends, which follows at once: the
    // libraries it loads stay loaded, so what they keep is still named as
    // theirs at exit. No X error ends the program meanwhile.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return;
    DisplayLoss::Install();
    if (HasScreen())
        ShowInWindow(caption, text);
}

MessageBoxRecorder::MessageBoxRecorder() {
    recorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder() {
    recorder = nullptr;
}

void MessageBoxRecorder::Record(const std::string& caption, const std::string& text) {
    shown_.push_back({caption, text});
}
