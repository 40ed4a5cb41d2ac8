#include <gtest/gtest.h>

#include "modes/HelpCounter.h"
#include "support/TempWorkDir.h"

TEST(HelpCounterTest, ACountTheGameCannotHaveWrittenIsOne) {
    struct Case {
        const char* text;
        int count;
    };
    for (const Case& c : {Case{"7", 7}, Case{"  12\n", 12}, Case{"3abc", 3}, Case{"", 1},
                          Case{"abc", 1}, Case{"-", 1}, Case{"99999999999", 1}, Case{"0", 1},
                          Case{"-1000", 1}, Case{"-2147483647", 1}}) {
        EXPECT_EQ(HelpCounter::Parse(c.text), c.count) << '"' << c.text << '"';
    }
}

// Past two billion games the count stays where it is rather than wrap.
TEST(HelpCounterTest, TheLargestCountIsNotRaised) {
    TempWorkDir dir;
    dir.WriteFile("Data/Help2.dat", "2147483647");
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kRotationalFile), 2147483647);
    EXPECT_EQ(dir.ReadFile("Data/Help2.dat"), "2147483647");
}
