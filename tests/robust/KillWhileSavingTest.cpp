#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "modes/HelpCounter.h"
#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "screens/HighScoreTable.h"
#include "support/TempWorkDir.h"

// A child process saves every file the game writes, over and over, with the
// game's own writers; the parent kills it (SIGKILL) at random moments and
// checks that each file always holds one whole version it could have
// written, never a torn or empty one, and that the start counter never goes
// back.
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
