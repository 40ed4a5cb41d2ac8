#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "platform/ScriptedPrompts.h"
#include "screens/NameDialog.h"
#include "screens/ScoreScreen.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"

namespace {
constexpr const char* kFile = "Data/Info.dat";
constexpr uint32_t kStripe1 = 0x2040A0;
constexpr uint32_t kStripe2 = 0x40A020;
constexpr uint32_t kEasy = 0x11EE11;
constexpr uint32_t kNormal = 0xEEEE11;
constexpr uint32_t kHard = 0xEE1111;

// Normal Game on Normal difficulty, lowest entry 1000.
constexpr int32_t kScores[10] = {5000, 4000, 3000, 2500, 2000, 1800, 1600, 1400, 1100, 1000};

uint64_t Inode(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 ? info.st_ino : 0;
}

const char* NameAt(const HighScoreTable& table, int rank) {
    return table.Entry(NormalVariant, NormalDifficulty, rank).Name();
}

class ScoreScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        shared = SharedState{};
        ASSERT_TRUE(display_.Create(nullptr));
        ASSERT_TRUE(display_.SetWindowed(625, 440));
        auto plain = [](uint32_t rgb) { return [rgb](int, int) { return rgb; }; };
        dir_.WriteFile("Graphics/Gui/Name 1.bmp", MakeBmp(250, 20, plain(kStripe1)));
        dir_.WriteFile("Graphics/Gui/Name 2.bmp", MakeBmp(250, 20, plain(kStripe2)));
        dir_.WriteFile("Graphics/Gui/Easy.bmp", MakeBmp(150, 150, plain(kEasy)));
        dir_.WriteFile("Graphics/Gui/Normal.bmp", MakeBmp(150, 150, plain(kNormal)));
        dir_.WriteFile("Graphics/Gui/Hard.bmp", MakeBmp(150, 150, plain(kHard)));
        std::filesystem::create_directory("Data");
        HighScoreTable table;
        for (int rank = 0; rank < 10; ++rank) {
            table.InsertEntry(NormalVariant, NormalDifficulty, rank, "P" + std::to_string(rank),
                              kScores[rank]);
        }
        ASSERT_TRUE(table.SaveTable());
        testing::internal::CaptureStderr();  // missing fonts and sounds are reported
    }
    void TearDown() override { testing::internal::GetCapturedStderr(); }

    // A game ended with `score` and the score screen entered from the play screen.
    void EndGameWith(int32_t score) {
        shared.variant = NormalVariant;
        shared.difficulty = NormalDifficulty;
        shared.finalScore = score;
        screen_->Enter(display_, sound_, clock_.Now());
        screen_->Draw(display_);
    }

    ScreenCode Tick(int x = 0, int y = 0, bool left = false) {
        clock_.Advance(10);
        return screen_->Update(display_, sound_, clock_.Now(), x, y, left, false);
    }

    static HighScoreTable FileTable() {
        HighScoreTable table;
        table.LoadTable();
        return table;
    }

    TempWorkDir dir_;
    ManualClock clock_;
    Display display_;
    SoundSystem sound_;
    ScriptedPrompts prompts_;
    std::unique_ptr<ScoreScreen> screen_ = std::make_unique<ScoreScreen>();
};
}  // namespace

TEST_F(ScoreScreenTest, HighScoreAsksOnceForTheNameAndIsSavedAtOnce) {
    prompts_.Accept("Abcdefghijklmnopqrst");
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
        EXPECT_STREQ(NameAt(table, 8), "Abcdefghijklmn") << "cut to fourteen characters";
        EXPECT_EQ(table.Entry(NormalVariant, NormalDifficulty, 8).score, 1200);
        EXPECT_STREQ(NameAt(table, 9), "P8");
    }
    EndGameWith(3500);
    Tick();
    EXPECT_STREQ(NameAt(FileTable(), 2), "") << "an empty name is a name";
}

TEST_F(ScoreScreenTest, CancelOrAScoreThatEntersNoTableLeavesTheFileAlone) {
    prompts_.Cancel();
    const std::string before = dir_.ReadFile(kFile);
    const uint64_t inode = Inode(kFile);
    EndGameWith(1200);
    Tick();
    EndGameWith(1000);  // equal to the lowest entry
    Tick();
    EndGameWith(0);  // from the start screen
    Tick();
    EXPECT_EQ(shared.finalScore, 0);
    EXPECT_EQ(prompts_.Shown().size(), 1u);
    EXPECT_EQ(screen_->Table().Entry(NormalVariant, NormalDifficulty, 9).score, 1000);
    screen_->Leave();
    screen_.reset();
    EXPECT_EQ(Inode(kFile), inode) << "the file was written";
    EXPECT_EQ(dir_.ReadFile(kFile), before);
}

TEST_F(ScoreScreenTest, AQuitWhileTheDialogIsOpenEntersTheNameTypedSoFar) {
    prompts_.Quit("Zed");
    EndGameWith(1200);
    Tick();
    EXPECT_STREQ(NameAt(FileTable(), 8), "Zed");
}

// Another copy of the game may save a score while this one shows the table:
// a table read and left unchanged must not be written back over it.
TEST_F(ScoreScreenTest, TheTableIsReadOnEntryAndWrittenOnlyWhenChanged) {
    HighScoreTable other;
    other.InsertEntry(RotationalVariant, Hard, 0, "Other", 77);
    ASSERT_TRUE(other.SaveTable());
    EndGameWith(0);
    EXPECT_STREQ(screen_->Table().Entry(RotationalVariant, Hard, 0).Name(), "Other");
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

TEST_F(ScoreScreenTest, RowsShowStripesAndTheDifficultyPicture) {
    EndGameWith(0);
    Tick();
    for (int left : {50, 320}) {
        EXPECT_EQ(display_.PixelAt(left + 200, 85), kStripe1);   // row 1
        EXPECT_EQ(display_.PixelAt(left + 200, 105), kStripe2);  // row 2
        EXPECT_EQ(display_.PixelAt(left + 200, 265), kStripe2);  // row 10
    }
    EXPECT_EQ(display_.PixelAt(200, 300), kNormal);
    Tick(279, 439, true);  // the picture's far corner
    EXPECT_EQ(shared.difficulty, Hard);
    EXPECT_EQ(display_.PixelAt(200, 300), kHard);
}
