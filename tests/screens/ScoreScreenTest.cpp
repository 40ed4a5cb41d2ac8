#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/ScriptedPrompts.h"
#include "screens/ScoreScreen.h"
#include "screens/ScreenFixture.h"

namespace {
constexpr const char* kFile = "Data/Info.dat";

uint64_t Inode(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 ? info.st_ino : 0;
}

const char* NameAt(const HighScoreTable& table, int rank) {
    return table.Entry(NormalVariant, NormalDifficulty, rank).Name();
}

HighScoreTable FileTable() {
    HighScoreTable table;
    table.LoadTable();
    return table;
}

// The Normal Game table on Normal difficulty holds P0 (5000) down to P9
// (1000); the screen is entered as after a game ended with a score.
class ScoreScreenTest : public ScreenFixture {
  protected:
    ScoreScreenTest() {
        std::filesystem::create_directory("Data");
        constexpr int32_t kScores[] = {5000, 4000, 3000, 2500, 2000, 1800, 1600, 1400, 1100, 1000};
        HighScoreTable table;
        for (int rank = 0; rank < 10; ++rank) {
            table.InsertEntry(NormalVariant, NormalDifficulty, rank, "P" + std::to_string(rank),
                              kScores[rank]);
        }
        EXPECT_TRUE(table.SaveTable());
        testing::internal::CaptureStderr();  // missing pictures and sounds are reported
    }
    ~ScoreScreenTest() override { testing::internal::GetCapturedStderr(); }

    void EndGameWith(int32_t score) {
        shared.variant = NormalVariant;
        shared.difficulty = NormalDifficulty;
        shared.finalScore = score;
        screen_->Enter(display, sound, clock.Now());
        screen_->Draw(display);
    }
    ScreenCode Tick(int x = 0, int y = 0, bool left = false) {
        return ScreenFixture::Tick(*screen_, x, y, left);
    }

    ScriptedPrompts prompts_;
    std::unique_ptr<ScoreScreen> screen_ = std::make_unique<ScoreScreen>();
};
}  // namespace

TEST_F(ScoreScreenTest, HighScoreAsksOnceForTheNameAndIsSavedAtOnce) {
    prompts_.Accept("Abc");
    prompts_.Accept("");
    EndGameWith(1200);
    Tick();
    Tick();
    ASSERT_EQ(prompts_.Shown().size(), 1u);
    EXPECT_EQ(prompts_.Shown()[0].caption, "High Score");
    EXPECT_EQ(prompts_.Shown()[0].message,
              "Congratulations, you got a high score!  Please enter your name below.");
    EXPECT_EQ(shared.finalScore, 0);
    for (const HighScoreTable& table : {screen_->Table(), FileTable()}) {
        EXPECT_STREQ(NameAt(table, 8), "Abc");
        EXPECT_EQ(table.Entry(NormalVariant, NormalDifficulty, 8).score, 1200);
        EXPECT_STREQ(NameAt(table, 9), "P8");
    }
    EndGameWith(3500);
    Tick();
    EXPECT_STREQ(NameAt(FileTable(), 2), "") << "an empty name is a name";
}

// Cancel, a score no better than the lowest entry, or no score: nothing
// entered, the file not even rewritten.
TEST_F(ScoreScreenTest, CancelOrAScoreThatEntersNoTableLeavesTheFileAlone) {
    prompts_.Cancel();
    const std::string before = dir.ReadFile(kFile);
    const uint64_t inode = Inode(kFile);
    for (int32_t score : {1200, 1000, 0}) {
        EndGameWith(score);
        Tick();
    }
    EXPECT_EQ(shared.finalScore, 0);
    EXPECT_EQ(prompts_.Shown().size(), 1u);
    EXPECT_EQ(screen_->Table().Entry(NormalVariant, NormalDifficulty, 9).score, 1000);
    screen_.reset();
    EXPECT_EQ(Inode(kFile), inode) << "the file was written again, over what another copy saved";
    EXPECT_EQ(dir.ReadFile(kFile), before);
}

TEST_F(ScoreScreenTest, AQuitWhileTheDialogIsOpenEntersTheNameTypedSoFar) {
    prompts_.Quit("Zed");
    EndGameWith(1200);
    Tick();
    EXPECT_STREQ(NameAt(FileTable(), 8), "Zed");
}

// Another copy of the game may save a score while this one shows the table:
// a table read and left unchanged must not be written back over it. The
// difficulty picture's far corner still steps the difficulty shown.
TEST_F(ScoreScreenTest, TheTableIsReadOnEntryAndWrittenOnlyWhenChanged) {
    HighScoreTable other;
    other.InsertEntry(RotationalVariant, Hard, 0, "Other", 77);
    ASSERT_TRUE(other.SaveTable());
    EndGameWith(0);
    EXPECT_STREQ(screen_->Table().Entry(RotationalVariant, Hard, 0).Name(), "Other");
    Tick(279, 439, true);
    EXPECT_EQ(shared.difficulty, Hard);
    other.InsertEntry(RotationalVariant, Hard, 0, "Later", 88);
    ASSERT_TRUE(other.SaveTable());
    screen_->Leave();
    screen_.reset();
    EXPECT_STREQ(FileTable().Entry(RotationalVariant, Hard, 0).Name(), "Later");
}

TEST_F(ScoreScreenTest, AScoreWhoseSaveFailedSurvivesTheNextEntry) {
    prompts_.Accept("Kept");
    EndGameWith(4500);
    std::filesystem::remove_all("Data");  // every save fails
    Tick();
    screen_->Leave();
    std::filesystem::create_directory("Data");
    EndGameWith(0);
    EXPECT_STREQ(NameAt(screen_->Table(), 1), "Kept");
    EXPECT_STREQ(NameAt(FileTable(), 1), "Kept");
}
