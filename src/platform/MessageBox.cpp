#include "platform/MessageBox.h"

#include "platform/DiagnosticLog.h"
#include "platform/DialogWindow.h"
#include "platform/DisplayLoss.h"
#include "platform/Headless.h"

namespace {
MessageBoxRecorder* recorder = nullptr;
TextPrompt style;
}  // namespace

void SetMessageBoxFont(const std::string& sheet, const std::string& metrics) {
    style.fontSheet = sheet;
    style.fontMetrics = metrics;
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
    if (recorder) {
        recorder->Record(caption, text);
        return;
    }
    // A headless run, or one whose display is gone, must never wait for a
    // box nobody can see.
    if (DisplayLoss::Lost() || !HasScreen()) {
        DiagnosticLog::Report("message box", "%s: %s", caption.c_str(), text.c_str());
        return;
    }
    TextPrompt prompt = style;
    prompt.caption = caption;
    prompt.message = text;
    prompt.askForText = false;
    DialogWindow::Run(prompt);
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
