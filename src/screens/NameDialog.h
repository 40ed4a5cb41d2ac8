#pragma once
#include <array>
#include <string>

// The name typed into the last high-score dialog closed with OK; never
// cleared, overwritten by each OK.
extern std::array<char, 32> EnteredName;

// The modal "High Score" dialog that asks for the player's name. Its outcome
// goes through process-wide values: OK, and a request to quit the game,
// copy at most the first 14 characters of the edit box into EnteredName;
// Cancel (Escape, the close box) sets shared.finalScore to 0, so nothing is
// entered.
class NameDialog {
  public:
    static constexpr const char* kCaption = "High Score";
    static constexpr const char* kMessage =
        "Congratulations, you got a high score!  Please enter your name below.";
    static constexpr size_t kMaxNameLength = 14;

    // Shows the dialog and returns once it is closed; always 0.
    int DoModal();

    void OnNameOK(const std::string& editText);
    void OnCancel();
};
