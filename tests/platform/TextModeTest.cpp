#include <gtest/gtest.h>

#include <random>

#include "platform/TextMode.h"

namespace {
using namespace std::string_literals;

TEST(TextMode, WritingTurnsEachLineFeedIntoCarriageReturnLineFeed) {
    EXPECT_EQ(ToTextMode("\x0A"s), "\x0D\x0A"s);
    EXPECT_EQ(ToTextMode("a\x0A\x0A"s), "a\x0D\x0A\x0D\x0A"s);
    EXPECT_EQ(ToTextMode("\x0D"s), "\x0D"s);  // a lone CR is kept
    EXPECT_EQ(ToTextMode("\x0D\x0A"s), "\x0D\x0D\x0A"s);
    EXPECT_EQ(ToTextMode("\x1A\x00\xFF"s), "\x1A\x00\xFF"s);  // no end-of-file mark
}

TEST(TextMode, ReadingTurnsEachPairBackIntoALineFeed) {
    EXPECT_EQ(FromTextMode("\x0D\x0A"s), "\x0A"s);
    EXPECT_EQ(FromTextMode("\x0D\x0D\x0A"s), "\x0D\x0A"s);
    EXPECT_EQ(FromTextMode("\x0A"s), "\x0A"s);  // a bare LF stays
    EXPECT_EQ(FromTextMode("\x0D"s), "\x0D"s);  // so does a CR at the end
    EXPECT_EQ(FromTextMode("a\x0D"
                           "b"s),
              "a\x0D"
              "b"s);
    EXPECT_EQ(FromTextMode("\x1A\x0D\x0A\x1A"s), "\x1A\x0A\x1A"s);
}

TEST(TextMode, AnyBytesComeBackAsWritten) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        for (int i = 0; i < 64; ++i) {
            const char choices[] = {'\x0A', '\x0D', '\x1A', '\x00', 'x'};
            bytes.push_back(choices[random() % 5]);
        }
        ASSERT_EQ(FromTextMode(ToTextMode(bytes)), bytes);
    }
}
}  // namespace
