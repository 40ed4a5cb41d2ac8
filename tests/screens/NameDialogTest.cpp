#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "platform/ScriptedPrompts.h"
#include "screens/NameDialog.h"

// A UTF-8 name of 26 characters is stored as its first 14, in Latin-1.
TEST(NameDialogTest, OkTakesTheFirstFourteenCharacters) {
    ScriptedPrompts prompts;
    prompts.Accept("Bj\xC3\xB6rn Andersson-Lindqvist");
    EXPECT_EQ(NameDialog().DoModal(), 0);
    EXPECT_STREQ(EnteredName.data(), "Bj\xF6rn Andersso");
}

// Without a window to ask in, the score is dropped rather than waited for.
TEST(NameDialogTest, WithoutAScreenTheDialogIsCancelled) {
    shared.finalScore = 50;
    testing::internal::CaptureStderr();
    NameDialog().DoModal();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("High Score"), std::string::npos);
    EXPECT_EQ(shared.finalScore, 0);
}
