#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DiagnosticLog.h"
#include "support/TempWorkDir.h"

namespace {
// What the player finds in the log is what stderr said, the newest reports
// last; past the cap the oldest go, so the file never fills a disk.
TEST(DiagnosticLogTest, ReportsReachTheFileWhichKeepsTheNewestWithinTheCap) {
    TempWorkDir dir;
    DiagnosticLog log("vlims.log");
    testing::internal::CaptureStderr();
    DiagnosticLog::Report("save", "could not save \"%s\": %s", "Data/Info.dat", "disk full");
    EXPECT_EQ(dir.ReadFile("vlims.log"), testing::internal::GetCapturedStderr());
    const std::string line = " Vlims (save): could not save \"Data/Info.dat\": disk full\n";
    EXPECT_NE(dir.ReadFile("vlims.log").find(line), std::string::npos);

    const std::string filler(1000, '.');
    testing::internal::CaptureStderr();
    for (int i = 0; i < 600; ++i) DiagnosticLog::Report("picture", "%d %s", i, filler.c_str());
    testing::internal::GetCapturedStderr();
    const std::string kept = dir.ReadFile("vlims.log");
    EXPECT_LE(kept.size(), DiagnosticLog::kCap);
    EXPECT_GE(kept.size(), DiagnosticLog::kCap / 4);
    EXPECT_EQ(kept.find("Data/Info.dat"), std::string::npos);
    EXPECT_EQ(kept.rfind("): 599 ") + 7 + filler.size() + 1, kept.size());
    EXPECT_EQ(kept.find(" Vlims (picture): "), 19u) << "the oldest kept line is cut";
}

// Whatever stands at the log's name is replaced by a log, as saves replace
// it: a link's target is never written, and a pipe nobody reads never holds
// the game up.
TEST(DiagnosticLogTest, ALinkOrAPipeAtItsNameIsReplacedNeverFollowedOrWaitedOn) {
    TempWorkDir dir;
    dir.WriteFile("notes.txt", "the player's own file");
    ASSERT_EQ(symlink("notes.txt", "link.log"), 0);
    ASSERT_EQ(mkfifo("pipe.log", 0600), 0);
    for (const char* name : {"link.log", "pipe.log"}) {
        DiagnosticLog log(name);
        testing::internal::CaptureStderr();
        DiagnosticLog::Report("sound", "no sound device");
        testing::internal::GetCapturedStderr();
        struct stat info {};
        ASSERT_EQ(lstat(name, &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode)) << name;
        EXPECT_NE(dir.ReadFile(name).find("no sound device\n"), std::string::npos) << name;
    }
    EXPECT_EQ(dir.ReadFile("notes.txt"), "the player's own file");
}
}  // namespace
