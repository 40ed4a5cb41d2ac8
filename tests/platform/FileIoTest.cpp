#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/FileIo.h"
#include "support/TempWorkDir.h"

namespace {

TEST(FileIoTest, ReadsOnlyRegularFilesAndNeverWaitsOnAPipe) {
    TempWorkDir dir;
    dir.WriteFile("Data/Resume.dat", "abc");
    EXPECT_EQ(ReadWholeFile("Data/Resume.dat"), "abc");
    EXPECT_FALSE(ReadWholeFile("Data/missing.dat"));
    EXPECT_FALSE(ReadWholeFile("Data"));
    // A pipe with no writer would block a plain open for ever.
    ASSERT_EQ(mkfifo("Data/Info.dat", 0644), 0);
    EXPECT_FALSE(ReadWholeFile("Data/Info.dat"));
    dir.WriteFile("big", std::string(10000, 'x'));
    EXPECT_EQ(ReadWholeFile("big", 5000)->size(), 5000u);  // stops at the limit
}

TEST(FileIoTest, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
    TempWorkDir dir;
    dir.WriteFile("Data/Help.dat", "1");
    ASSERT_TRUE(WriteFileAtomically("Data/Help.dat", "2"));
    EXPECT_EQ(dir.ReadFile("Data/Help.dat"), "2");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("Data"))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(FileIoTest, AtomicWriteIntoAMissingFolderFailsAndCreatesNothing) {
    TempWorkDir dir;
    EXPECT_FALSE(WriteFileAtomically("Data/Help.dat", "2"));
    EXPECT_FALSE(dir.Exists("Data"));
    // A folder where the file belongs stays a folder.
    std::filesystem::create_directories("Data/Resume.dat");
    EXPECT_FALSE(WriteFileAtomically("Data/Resume.dat", "x"));
    EXPECT_TRUE(std::filesystem::is_directory("Data/Resume.dat"));
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
    EXPECT_FALSE(dir.Exists("Data/Resume.dat.tmp-a1B2c3"));
    EXPECT_EQ(RemoveStaleTemporaries("Missing"), 0);
}

}  // namespace
