#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/FileIo.h"
#include "support/TempWorkDir.h"

namespace {
mode_t ModeOf(const char* path) {
    struct stat info {};
    lstat(path, &info);
    return info.st_mode & 07777;
}

// A save never opens up a file the player closed; a new one gets what the umask allows.
TEST(FileIoTest, AtomicWriteKeepsTheReplacedFilesModeAndFollowsTheUmask) {
    TempWorkDir dir;
    dir.WriteFile("Data/Help.dat", "1");
    chmod("Data/Help.dat", 0600);
    ASSERT_TRUE(WriteFileAtomically("Data/Help.dat", "2"));
    EXPECT_EQ(ModeOf("Data/Help.dat"), 0600u);
    const mode_t old = umask(027);
    ASSERT_TRUE(WriteFileAtomically("Data/Info.dat", "new"));
    umask(old);
    EXPECT_EQ(ModeOf("Data/Info.dat"), 0640u);
}

TEST(FileIoTest, StaleTemporariesOfCutSavesAreRemovedAndNothingElse) {
    TempWorkDir dir;
    dir.WriteFile("Data/Resume.dat.tmp-a1B2c3", "torn");
    dir.WriteFile("Data/Info.dat.tmp-XYZ123", "torn");
    dir.WriteFile("Data/Resume.dat", "whole");
    dir.WriteFile("Data/notes.tmp-1", "not ours");
    EXPECT_EQ(RemoveStaleTemporaries("Data"), 2);
    EXPECT_TRUE(dir.Exists("Data/Resume.dat"));
    EXPECT_TRUE(dir.Exists("Data/notes.tmp-1"));
}
}  // namespace
