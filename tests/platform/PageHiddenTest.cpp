#include <gtest/gtest.h>

#include "platform/PageHidden.h"

namespace {
// The save of a hidden page must never run under a paused tick or dialog
// (it would free the game that tick is using), yet must not be lost: it runs
// at the loop's next rest, or at once when the page is closing.
TEST(PageHidden, SavesOnlyAtRestUnlessThePageCloses) {
    int saves = 0;
    PageHidden::SetHandler([&] { ++saves; });
    PageHidden::Notify(false);
    EXPECT_EQ(saves, 0);
    {
        PageHidden::Rest rest;
        EXPECT_EQ(saves, 1);
        PageHidden::Notify(false);
        EXPECT_EQ(saves, 2);
    }
    {
        PageHidden::Rest again;  // nothing is still pending
        EXPECT_EQ(saves, 2);
    }
    PageHidden::Notify(true);
    EXPECT_EQ(saves, 3);
    PageHidden::SetHandler(nullptr);
}
}  // namespace
