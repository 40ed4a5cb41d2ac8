#include <gtest/gtest.h>

#include "modes/HelpCounter.h"
#include "support/TempWorkDir.h"

TEST(HelpCounterTest, ParsesTheLeadingNumberOrCountsOne) {
    EXPECT_EQ(HelpCounter::Parse("7"), 7);
    EXPECT_EQ(HelpCounter::Parse("  12\n"), 12);
    EXPECT_EQ(HelpCounter::Parse("3abc"), 3);
    EXPECT_EQ(HelpCounter::Parse("-2"), -2);
    EXPECT_EQ(HelpCounter::Parse(""), 1);
    EXPECT_EQ(HelpCounter::Parse("abc"), 1);
    EXPECT_EQ(HelpCounter::Parse("-"), 1);
    EXPECT_EQ(HelpCounter::Parse("99999999999"), 1);
}

TEST(HelpCounterTest, MissingFileCountsOneAndIsRaisedEachTime) {
    TempWorkDir dir;
    dir.WriteFile("Data/keep", "");
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kNormalFile), 1);
    EXPECT_EQ(dir.ReadFile("Data/Help.dat"), "2");
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kNormalFile), 2);
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kNormalFile), 3);
    EXPECT_EQ(dir.ReadFile("Data/Help.dat"), "4");
    EXPECT_FALSE(dir.Exists("Data/Help2.dat")) << "the variants count separately";
}

TEST(HelpCounterTest, GarbageCountsOneAndIsRepaired) {
    TempWorkDir dir;
    dir.WriteFile("Data/Help2.dat", "hello");
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kRotationalFile), 1);
    EXPECT_EQ(dir.ReadFile("Data/Help2.dat"), "2");
    dir.WriteFile("Data/Help2.dat", "2147483647");
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kRotationalFile), 2147483647);
    EXPECT_EQ(dir.ReadFile("Data/Help2.dat"), "2147483647");
}

TEST(HelpCounterTest, WithoutDataFolderStillCountsOne) {
    TempWorkDir dir;
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kNormalFile), 1);
    EXPECT_EQ(HelpCounter::ReadAndRaise(HelpCounter::kNormalFile), 1);
}
