#include <gtest/gtest.h>

#include "platform/EditField.h"

// A name goes into the high-score file as Latin-1: nothing else may reach it.
TEST(EditFieldTest, TypedUtf8IsKeptAsLatin1AndTheRestIsDropped) {
    const std::pair<std::string, std::string> cases[] = {
        {"Zo\xC3\xAB", "Zo\xEB"},        // e with diaeresis
        {"\xC3\xBF\xC4\x80", "\xFF"},    // U+00FF kept, U+0100 not
        {"a\xF0\x9F\x98\x80z", "az"},    // emoji
        {"a\tb\x7F\xC2\x85z", "abz"},    // controls
        {"\xC0\xA1x\xC3", "x"},          // overlong, cut short
        {"\xE2\x82z", "z"},              // bad continuation
        {std::string("n\0m", 3), "nm"},  // NUL never taken
    };
    for (const auto& [typed, kept] : cases) EXPECT_EQ(EditField::ToLatin1(typed), kept) << typed;
}

// The caret never leaves the text, however often the keys are pressed.
TEST(EditFieldTest, EditingFollowsTheCaretAndStopsAtTheEnds) {
    EditField field;
    field.Type("An");
    field.MoveHome();
    field.Backspace();
    field.MoveLeft();
    field.Type("J");
    field.MoveEnd();
    field.MoveRight();
    field.Delete();
    EXPECT_EQ(field.Text(), "JAn");
    EXPECT_EQ(field.Caret(), 3u);
}
