#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "platform/ScriptedPrompts.h"
#include "screens/NameDialog.h"

TEST(NameDialogTest, OkTakesTheFirstFourteenCharactersAndCancelDropsTheScore) {
    shared.finalScore = 1234;
    ScriptedPrompts prompts;
    prompts.Accept("Bj\xC3\xB6rn Andersson-Lindqvist");  // typed UTF-8, 26 characters
    prompts.Cancel();

    EXPECT_EQ(NameDialog().DoModal(), 0);
    EXPECT_STREQ(EnteredName.data(), "Bj\xF6rn Andersso");
    EXPECT_EQ(shared.finalScore, 1234);

    EXPECT_EQ(NameDialog().DoModal(), 0);
    EXPECT_EQ(shared.finalScore, 0);
    EXPECT_STREQ(EnteredName.data(), "Bj\xF6rn Andersso") << "Cancel leaves the last name";
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[1].caption, "High Score");
}

TEST(NameDialogTest, WithoutAScreenTheDialogIsCancelled) {
    shared.finalScore = 50;
    testing::internal::CaptureStderr();
    NameDialog().DoModal();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("High Score"), std::string::npos);
    EXPECT_EQ(shared.finalScore, 0);
}
