#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "modes/HelpCounter.h"
#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "platform/FileSystemCalls.h"
#include "screens/HighScoreTable.h"
#include "support/TempWorkDir.h"

// A child saves every file the game writes, over and over; killed at random
// moments, it leaves each file one whole version, and the start counter never
// goes back.
namespace {
namespace fs = std::filesystem;

SavedGame GameNumber(int n) {
    SavedGame game = SampleSavedGame();
    game.level = 1 + n;
    game.totalScore = 2000 * n;
    return game;
}

HighScoreTable TableNumber(int n) {
    HighScoreTable table;
    // Scores with 0x0A bytes make the translated file longer than the table.
    table.InsertEntry(kAllVariants[n % 2], kAllDifficulties[n % 3], 0, "Kill " + std::to_string(n),
                      10 + 256 * n);
    return table;
}

constexpr int kVersions = 4;

[[noreturn]] void SaveForever() {
    for (int n = 0;; ++n) {
        GameNumber(n % kVersions).Write();
        HelpCounter::ReadAndRaise(HelpCounter::kNormalFile);
        TableNumber(n % kVersions).SaveTable();
        if (n % 3 == 0)
            SavedGame::WriteEndMarker();
    }
}

}  // namespace

TEST(KillWhileSavingTest, EveryFileIsAlwaysOneWholeVersion) {
    TempWorkDir workDir;
    fs::create_directory("Data");
    // The versions the child cycles through.
    std::set<std::string> resumeVersions = {std::string("\x63\0\0\0", 4)};  // the end marker
    std::set<std::string> infoVersions;
    for (int n = 0; n < kVersions; ++n) {
        resumeVersions.insert(GameNumber(n).Encode());
        infoVersions.insert(TableNumber(n).Encode());
    }
    // The first versions are in place before any kill, as after a first run.
    GameNumber(0).Write();
    TableNumber(0).SaveTable();
    HelpCounter::ReadAndRaise(HelpCounter::kNormalFile);

    std::mt19937 random(20240601);
    std::uniform_int_distribution<long> delay(0, 15000);
    // ./soak.sh kills many more times.
    const int kKills = std::getenv("VLIMS_SOAK") ? 1000 : 150;
    int lastCount = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            SaveForever();
        const timespec pause{0, delay(random) * 1000};
        nanosleep(&pause, nullptr);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        EXPECT_EQ(resumeVersions.count(workDir.ReadFile("Data/Resume.dat")), 1u) << "kill " << kill;
        EXPECT_EQ(infoVersions.count(workDir.ReadFile("Data/Info.dat")), 1u) << "kill " << kill;
        std::string countText = workDir.ReadFile("Data/Help.dat");
        ASSERT_FALSE(countText.empty()) << "kill " << kill;
        int count = HelpCounter::Parse(countText);
        EXPECT_EQ(std::to_string(count), countText) << "kill " << kill;
        EXPECT_GE(count, lastCount) << "kill " << kill;
        lastCount = count;
    }
}

namespace {
// The calls behind the saves, in order; repeats in a row count once.
class CallRecorder : public FileSystemCalls {
  public:
    CallRecorder() : replaced_(Install(this)) {}
    ~CallRecorder() override { Install(replaced_); }

    long Write(int file, const void* bytes, size_t size) override {
        Note("write");
        return FileSystemCalls::Write(file, bytes, size);
    }
    int Sync(int file) override {
        struct stat info {};
        fstat(file, &info);
        Note(S_ISDIR(info.st_mode) ? "sync folder" : "sync file");
        return FileSystemCalls::Sync(file);
    }
    int Rename(const char* from, const char* to) override {
        Note("rename");
        return FileSystemCalls::Rename(from, to);
    }
    std::string Taken() { return std::exchange(calls_, ""); }

  private:
    void Note(const std::string& call) {
        if (!calls_.ends_with(call))
            calls_ += (calls_.empty() ? "" : ", ") + call;
    }
    std::string calls_;
    FileSystemCalls* replaced_;
};
}  // namespace

// After a power cut a file renamed before its bytes were on disk, or a rename
// the folder never recorded, comes back empty or old.
TEST(PowerCutTest, EverySaveIsOnDiskBeforeItReplacesTheOldFile) {
    TempWorkDir workDir;
    fs::create_directory("Data");
    const std::pair<const char*, std::function<void()>> saves[] = {
        {"saved game", [] { GameNumber(1).Write(); }},
        {"end marker", [] { SavedGame::End(); }},
        {"high scores", [] { TableNumber(1).SaveTable(); }},
        {"start counter", [] { HelpCounter::ReadAndRaise(HelpCounter::kRotationalFile); }},
    };
    for (const auto& [name, save] : saves) {
        CallRecorder calls;
        save();
        EXPECT_EQ(calls.Taken(), "write, sync file, rename, sync folder") << name;
    }
}
