#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/FileIo.h"
#include "platform/FolderLock.h"
#include "support/TempWorkDir.h"

namespace {
namespace fs = std::filesystem;

TEST(FileIoTest, ReadsOnlyRegularFilesAndNeverWaitsOnAPipe) {
    TempWorkDir dir;
    dir.WriteFile("Data/Resume.dat", "abc");
    // A pipe with no writer would block a plain open for ever.
    ASSERT_EQ(mkfifo("Data/Info.dat", 0644), 0);
    struct Case {
        const char* path;
        bool present;
        const char* bytes;  // nullptr: none
    };
    for (const Case& c :
         {Case{"Data/Resume.dat", true, "abc"}, Case{"Data/missing", false, nullptr},
          Case{"Data", true, nullptr}, Case{"Data/Info.dat", true, nullptr}}) {
        FileRead read = ReadFileCarefully(c.path, 100);
        EXPECT_EQ(read.present, c.present) << c.path;
        EXPECT_EQ(read.bytes.has_value(), c.bytes != nullptr) << c.path;
        EXPECT_EQ(read.bytes.value_or(""), c.bytes ? c.bytes : "") << c.path;
        EXPECT_EQ(read.Unreadable(), !read.problem.empty()) << c.path;
    }
}

// A link is replaced, never written through. (Missing folders, and folders
// where a file belongs, the whole-game fault matrix tries.)
TEST(FileIoTest, AtomicWriteNeverWritesThroughALink) {
    TempWorkDir dir;
    dir.WriteFile("outside", "precious");
    fs::create_symlink(fs::absolute("outside"), "log.txt");
    ASSERT_TRUE(WriteFileAtomically("log.txt", ""));
    EXPECT_EQ(dir.ReadFile("outside"), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("log.txt")));
}

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
    EXPECT_EQ(RemoveStaleTemporaries("Missing"), 0);
}

TEST(FileIoTest, OneOwnerOfAFolderAtATime) {
    TempWorkDir dir;
    dir.WriteFile("Data/keep", "");
    EXPECT_EQ(FolderLock("Missing").Status(), FolderLock::State::Unavailable);
    {
        FolderLock first("Data");
        EXPECT_EQ(first.Status(), FolderLock::State::Held);
        EXPECT_EQ(FolderLock("Data").Status(), FolderLock::State::HeldByAnother);
    }
    EXPECT_EQ(FolderLock("Data").Status(), FolderLock::State::Held) << "freed with its owner";
    EXPECT_EQ(std::distance(fs::directory_iterator("Data"), fs::directory_iterator()), 1);
}
}  // namespace
