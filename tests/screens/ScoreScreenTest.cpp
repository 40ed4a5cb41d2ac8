#include <filesystem>
#include <string>

#include "screens/GameFlowTest.h"
#include "screens/ScoreScreen.h"

namespace {
constexpr const char* kFile = "Data/Info.dat";

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
        for (int rank = 0; rank < 10; ++rank)
            table.InsertEntry(NormalVariant, NormalDifficulty, rank, "P" + std::to_string(rank),
                              kScores[rank]);
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

// The name is asked once and the score saved at once; an empty name is a
// name. The difficulty picture's far corner still steps the difficulty.
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
// entered, and the name is asked for only when the score would enter.
TEST_F(ScoreScreenTest, CancelOrAScoreThatEntersNoTableLeavesItAsItWas) {
    game.Prompts().Cancel();
    const std::string before = dir.ReadFile(kFile);
    for (int32_t score : {1200, 1000, 0}) {
        EndGameWith(score);
        game.ClickButton(Buttons::kMenu);
    }
    EXPECT_EQ(game.Prompts().Shown().size(), 1u);
    EXPECT_EQ(dir.ReadFile(kFile), before);
}

// A new score's saves refused (the Data folder away): it stays shown, every
// save point tries again, the close saves it silently or says it is lost.
class RefusedSaveTest : public ScoreScreenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RefusedSaveTest, TheCloseSavesAScoreTheDiskRefusedOrSaysItIsLost) {
    const bool backForTheClose = GetParam();
    game.Prompts().Accept("Kept");
    game.ClickButton(Buttons::kPlayGame);
    SetLevelScore(4500);
    game.Press(Buttons::kEnd.x + 1, Buttons::kEnd.y + 1);
    for (int tick = 0; tick < 40 && !game.Current<ScoreScreen>(); ++tick) game.Tick();
    std::filesystem::rename("Data", "Away");
    testing::internal::CaptureStderr();
    game.ClickButton(Buttons::kMenu);
    game.ClickButton(Buttons::kHighScores);
    EXPECT_STREQ(NameAt(game.Current<ScoreScreen>()->Table(), 1), "Kept");
    if (backForTheClose)
        std::filesystem::rename("Away", "Data");
    game.Close();
    testing::internal::GetCapturedStderr();
    if (!backForTheClose)
        std::filesystem::rename("Away", "Data");
    EXPECT_STREQ(NameAt(FileTable(), 1), backForTheClose ? "Kept" : "P1");
    EXPECT_EQ(game.Shown(ScoreScreen::kNotSavedCaption), backForTheClose ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(DataFolder, RefusedSaveTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Back" : "StillAway"; });

// A run that never shows the scores still leaves the whole table when it
// ends (a first run the sixty defaults: tests/e2e/test_startup.sh): a file cut
// short to its first entry comes back whole with that entry.
using ScoreFileTest = GameFlowTest;

TEST_F(ScoreFileTest, AFileCutShortIsWrittenWholeWithWhatItHeld) {
    HighScoreTable solo;
    solo.InsertEntry(NormalVariant, Easy, 0, "Solo", 77);
    dir.WriteFile(kFile, solo.Encode().substr(0, HighScoreTable::kEntrySize));
    game.Start();
    game.Close();
    EXPECT_EQ(dir.ReadFile(kFile), solo.Encode());
}
}  // namespace
