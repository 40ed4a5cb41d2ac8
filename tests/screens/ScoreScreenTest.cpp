#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "screens/GameFlowTest.h"
#include "screens/ScoreScreen.h"

namespace {
constexpr const char* kFile = "Data/Info.dat";

uint64_t Inode(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 ? info.st_ino : 0;
}

HighScoreTable FileTable() {
    HighScoreTable table;
    table.LoadTable();
    return table;
}

const char* NameAt(const HighScoreTable& table, int rank) {
    return table.Entry(NormalVariant, NormalDifficulty, rank).Name();
}

// The Normal Game table on Normal difficulty holds P0 (5000) down to P9
// (1000).
class ScoreScreenTest : public GameFlowTest {
  protected:
    ScoreScreenTest() {
        constexpr int32_t kScores[] = {5000, 4000, 3000, 2500, 2000, 1800, 1600, 1400, 1100, 1000};
        HighScoreTable table;
        for (int rank = 0; rank < 10; ++rank) {
            table.InsertEntry(NormalVariant, NormalDifficulty, rank, "P" + std::to_string(rank),
                              kScores[rank]);
        }
        EXPECT_TRUE(table.SaveTable());
        game.Start();
    }

    // From the menu, a Normal game played to `points` and ended: the score
    // screen takes over.
    void EndGameWith(int32_t points) {
        game.ClickButton(Buttons::kPlayGame);
        SetLevelScore(points);
        game.ClickButton(Buttons::kEnd);
        ASSERT_NE(game.Current<ScoreScreen>(), nullptr);
    }
};

// The name is asked for once and the score saved before the screen is
// left; an empty name is a name. The difficulty picture's far corner still
// steps the difficulty shown.
TEST_F(ScoreScreenTest, AHighScoreAsksOnceForTheNameAndIsSavedAtOnce) {
    game.Prompts().Accept("Abc");
    game.Prompts().Accept("");
    EndGameWith(1200);
    ASSERT_EQ(game.Prompts().Shown().size(), 1u);
    EXPECT_EQ(game.Prompts().Shown()[0].caption, "High Score");
    const HighScoreTable table = FileTable();
    EXPECT_STREQ(NameAt(table, 8), "Abc");
    EXPECT_EQ(table.Entry(NormalVariant, NormalDifficulty, 8).score, 1200);
    game.ClickButton(Buttons::kMenu);
    EndGameWith(3500);
    EXPECT_STREQ(NameAt(FileTable(), 2), "");
    game.Press(279, 439);
    EXPECT_EQ(shared.difficulty, Hard);
}

// Cancel, a score no better than the lowest entry, or no score: nothing is
// entered and the file is not even written again. Another copy of the game
// may save a score meanwhile: the table is read on every entry, and one left
// unchanged is not written back over it.
TEST_F(ScoreScreenTest, AnUnchangedTableIsNeverWrittenBack) {
    game.Prompts().Cancel();
    const std::string before = dir.ReadFile(kFile);
    const uint64_t inode = Inode(kFile);
    for (int32_t score : {1200, 1000, 0}) {
        EndGameWith(score);
        game.ClickButton(Buttons::kMenu);
    }
    EXPECT_EQ(game.Prompts().Shown().size(), 1u);
    EXPECT_EQ(Inode(kFile), inode);
    EXPECT_EQ(dir.ReadFile(kFile), before);

    HighScoreTable other = FileTable();
    other.InsertEntry(RotationalVariant, Hard, 0, "Other", 77);
    ASSERT_TRUE(other.SaveTable());
    EndGameWith(0);
    EXPECT_STREQ(game.Current<ScoreScreen>()->Table().Entry(RotationalVariant, Hard, 0).Name(),
                 "Other");
    other.InsertEntry(RotationalVariant, Hard, 0, "Later", 88);
    ASSERT_TRUE(other.SaveTable());
    game.ClickButton(Buttons::kMenu);
    EXPECT_STREQ(FileTable().Entry(RotationalVariant, Hard, 0).Name(), "Later");
}

// The Data folder is gone while the name is entered and when the screen is
// left: the score stays in memory and is saved on the next entry.
TEST_F(ScoreScreenTest, AScoreWhoseSaveFailedSurvivesTheNextEntry) {
    game.Prompts().Accept("Kept");
    game.ClickButton(Buttons::kPlayGame);
    SetLevelScore(4500);
    game.Press(Buttons::kEnd.x + 1, Buttons::kEnd.y + 1);
    for (int tick = 0; tick < 40 && !game.Current<ScoreScreen>(); ++tick) game.Tick();
    std::filesystem::rename("Data", "Away");
    testing::internal::CaptureStderr();
    game.ClickButton(Buttons::kMenu);
    testing::internal::GetCapturedStderr();
    std::filesystem::rename("Away", "Data");
    EXPECT_STREQ(NameAt(FileTable(), 1), "P1");
    EndGameWith(0);
    EXPECT_STREQ(NameAt(FileTable(), 1), "Kept");
}
}  // namespace
