#include <gtest/gtest.h>

#include "platform/TextMode.h"

namespace {
using namespace std::string_literals;

// Any bytes round-trip as well: the high-score fuzz target checks that.
TEST(TextMode, EachLineFeedIsWrittenAsAPairAndOnlyThePairReadsBack) {
    EXPECT_EQ(ToTextMode("a\x0A\x0A\x0D\x1A\x00\xFF"s), "a\x0D\x0A\x0D\x0A\x0D\x1A\x00\xFF"s);
    EXPECT_EQ(ToTextMode("\x0D\x0A"s), "\x0D\x0D\x0A"s);
    EXPECT_EQ(FromTextMode("\x0D\x0D\x0A\x0A\x1A\x0D"s), "\x0D\x0A\x0A\x1A\x0D"s);
}
}  // namespace
