#include <gtest/gtest.h>

#include "platform/EditField.h"

TEST(EditFieldTest, TypedUtf8IsKeptAsLatin1AndTheRestIsDropped) {
    EXPECT_EQ(EditField::ToLatin1("Zo\xC3\xAB"), "Zo\xEB");      // e with diaeresis
    EXPECT_EQ(EditField::ToLatin1("\xC3\xBF\xC4\x80"), "\xFF");  // U+00FF kept, U+0100 not
    EXPECT_EQ(EditField::ToLatin1("a\xF0\x9F\x98\x80"
                                  "b"),
              "ab");                                       // emoji
    EXPECT_EQ(EditField::ToLatin1("\xE6\x97\xA5x"), "x");  // CJK
    EXPECT_EQ(EditField::ToLatin1("a\tb\x7F\xC2\x85"
                                  "c"),
              "abc");                                              // controls
    EXPECT_EQ(EditField::ToLatin1("\xC0\xA1x\xC3"), "x");          // overlong, cut short
    EXPECT_EQ(EditField::ToLatin1("\xE2\x82z"), "z");              // bad continuation
    EXPECT_EQ(EditField::ToLatin1(std::string("n\0m", 3)), "nm");  // NUL never taken
}

TEST(EditFieldTest, EditingFollowsTheCaret) {
    EditField field;
    field.Type("Ann");
    field.MoveLeft();
    field.Type("i");
    EXPECT_EQ(field.Text(), "Anin");
    EXPECT_EQ(field.Caret(), 3u);
    field.Backspace();
    field.Delete();
    EXPECT_EQ(field.Text(), "An");
    field.MoveHome();
    field.Backspace();
    field.MoveLeft();
    EXPECT_EQ(field.Caret(), 0u);
    field.MoveEnd();
    field.MoveRight();
    field.Delete();
    EXPECT_EQ(field.Text(), "An");
    EXPECT_EQ(field.Caret(), 2u);
}
