#include "screens/NameDialog.h"

#include <algorithm>
#include <cstring>

#include "app/SharedState.h"
#include "platform/DialogWindow.h"

std::array<char, 32> EnteredName{};

int NameDialog::DoModal() {
    TextPrompt prompt;
    prompt.caption = kCaption;
    prompt.message = kMessage;
    prompt.fontSheet = "Graphics\\Gui\\Times Roman 10 Font.bmp";
    prompt.fontMetrics = "Data\\Times Roman 10 Font Metrics.dat";
    prompt.fontCellSize = 16;
    PromptAnswer answer = DialogWindow::Run(prompt);
    // A quit is not a Cancel: the score goes in under the name typed so far.
    if (answer.accepted || answer.quit) {
        OnNameOK(answer.text);
    } else {
        OnCancel();
    }
    return 0;
}

void NameDialog::OnNameOK(const std::string& editText) {
    // The edit box has no limit; only the first characters make the name.
    size_t length = std::min({editText.size(), kMaxNameLength, editText.find('\0')});
    EnteredName.fill('\0');
    std::memcpy(EnteredName.data(), editText.data(), length);
}

void NameDialog::OnCancel() {
    shared.finalScore = 0;
}
