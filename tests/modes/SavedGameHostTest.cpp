// The saved game on a host that misbehaves: a pipe where the file belongs,
// a disk too full for the end marker. POSIX calls make these hosts.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "support/TempWorkDir.h"

TEST(SavedGameHostTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    TempWorkDir dir;
    EXPECT_FALSE(SampleSavedGame().Write()) << "no Data folder";
    EXPECT_FALSE(dir.Exists("Data/Resume.dat"));
    dir.WriteFile("Data/keep", "");
    ASSERT_EQ(mkfifo("Data/Resume.dat", 0600), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SampleSavedGame().Write());
    EXPECT_TRUE(SavedGame::End()) << "the unreadable file is not the ended game";
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be read"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(lstat("Data/Resume.dat", &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A disk too full for the end marker: the ended game must still be gone.
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
