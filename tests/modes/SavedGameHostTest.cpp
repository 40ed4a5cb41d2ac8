// The saved game on a disk too full for the end marker (made with POSIX
// calls): the ended game must be gone all the same, or Resume would offer it
// again.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "support/TempWorkDir.h"

TEST(SavedGameHostTest, EndOnAFullDiskRemovesTheSavedGame) {
    TempWorkDir dir;
    dir.WriteFile("Data/keep", "");
    ASSERT_TRUE(SampleSavedGame().Write());
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit none = old;
    none.rlim_cur = 0;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    testing::internal::CaptureStderr();
    setrlimit(RLIMIT_FSIZE, &none);
    const bool ended = SavedGame::End();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(dir.Exists("Data/Resume.dat"));
}
