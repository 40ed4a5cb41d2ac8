#include <gtest/gtest.h>

#include <random>

#include "platform/TextMode.h"

namespace {
using namespace std::string_literals;

TEST(TextMode, EachLineFeedIsWrittenAsAPairAndReadBack) {
    EXPECT_EQ(ToTextMode("a\x0A\x0A\x0D\x1A\x00\xFF"s), "a\x0D\x0A\x0D\x0A\x0D\x1A\x00\xFF"s);
    EXPECT_EQ(ToTextMode("\x0D\x0A"s), "\x0D\x0D\x0A"s);
    // Only the pair reads back as a line feed; a bare LF or CR stays.
    EXPECT_EQ(FromTextMode("\x0D\x0D\x0A\x0A\x1A\x0D"s), "\x0D\x0A\x0A\x1A\x0D"s);
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        for (int i = 0; i < 64; ++i) bytes.push_back("\x0A\x0D\x1A\x00x"[random() % 5]);
        ASSERT_EQ(FromTextMode(ToTextMode(bytes)), bytes);
    }
}
}  // namespace
