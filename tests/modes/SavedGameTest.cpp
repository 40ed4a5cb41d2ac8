#include <gtest/gtest.h>

#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "support/TempWorkDir.h"

namespace {
SavedGame SampleGame() {
    SavedGame game;
    game.variant = 1;
    game.difficulty = 3;
    game.level = 4;
    game.totalScore = 3275;
    for (int cell = 0; cell < SavedGame::kCellCount; ++cell) game.colours[cell] = cell % 6 + 1;
    return game;
}
}  // namespace

TEST(SavedGameTest, EncodesLittleEndianInFieldOrder) {
    std::string bytes = SampleGame().Encode();
    ASSERT_EQ(bytes.size(), 416u);
    EXPECT_EQ(bytes.substr(0, 16),
              Int32Bytes(1) + Int32Bytes(3) + Int32Bytes(4) + Int32Bytes(3275));
    EXPECT_EQ(bytes.substr(16, 4), Int32Bytes(1));            // cell (0, 0)
    EXPECT_EQ(bytes.substr(16 + 4 * 13, 4), Int32Bytes(2));   // cell (3, 1)
    EXPECT_EQ(bytes.substr(412, 4), Int32Bytes(99 % 6 + 1));  // cell (9, 9)
}

TEST(SavedGameTest, WriteThenReadGivesTheSameGameAndTheEndMarkerNone) {
    TempWorkDir dir;
    dir.WriteFile("Data/keep", "");
    SavedGame saved = SampleGame();
    ASSERT_TRUE(saved.Write());
    std::optional<SavedGame> read = SavedGame::Read();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->variant, 1);
    EXPECT_EQ(read->difficulty, 3);
    EXPECT_EQ(read->level, 4);
    EXPECT_EQ(read->totalScore, 3275);
    EXPECT_EQ(read->colours, saved.colours);
    // Reading leaves the file as it was, so a crash after resuming resumes again.
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), saved.Encode());

    ASSERT_TRUE(SavedGame::WriteEndMarker());
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), Int32Bytes(99));
    EXPECT_FALSE(SavedGame::Read());
}

TEST(SavedGameTest, RefusesFilesThatCannotBePlayed) {
    TempWorkDir dir;
    EXPECT_FALSE(SavedGame::Read()) << "missing file";

    std::string good = SampleGame().Encode();
    EXPECT_FALSE(SavedGame::Decode(good.substr(0, 415))) << "one byte short";
    EXPECT_FALSE(SavedGame::Decode(good.substr(0, 3))) << "shorter than one integer";
    EXPECT_FALSE(SavedGame::Decode(""));

    for (int32_t variant : {-1, 2, 99}) {
        std::string bytes = good;
        bytes.replace(0, 4, Int32Bytes(variant));
        EXPECT_FALSE(SavedGame::Decode(bytes)) << "variant " << variant;
    }
    for (int32_t code : {0, 7, -1}) {
        for (int cell : {0, 57, 99}) {
            std::string bytes = good;
            bytes.replace(16 + 4 * cell, 4, Int32Bytes(code));
            EXPECT_FALSE(SavedGame::Decode(bytes)) << "code " << code << " in cell " << cell;
        }
    }
    for (int32_t level : {0, -3, SavedGame::kMaxLevel + 1}) {
        std::string bytes = good;
        bytes.replace(8, 4, Int32Bytes(level));
        EXPECT_FALSE(SavedGame::Decode(bytes)) << "level " << level;
    }
    std::string negativeTotal = good;
    negativeTotal.replace(12, 4, Int32Bytes(-1));
    EXPECT_FALSE(SavedGame::Decode(negativeTotal));
    // Any other difficulty deals a single colour: every refill makes new lines.
    for (int32_t difficulty : {0, 4, -1, 99}) {
        std::string bytes = good;
        bytes.replace(4, 4, Int32Bytes(difficulty));
        EXPECT_FALSE(SavedGame::Decode(bytes)) << "difficulty " << difficulty;
    }
}

TEST(SavedGameTest, AcceptsEveryColourAndIgnoresTrailingBytes) {
    SavedGame game = SampleGame();
    game.variant = 0;
    game.difficulty = 1;
    game.colours.fill(6);
    game.colours[0] = 1;
    std::optional<SavedGame> read = SavedGame::Decode(game.Encode() + "junk");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->variant, 0);
    EXPECT_EQ(read->difficulty, 1);
    EXPECT_EQ(read->colours, game.colours);
}

TEST(SavedGameTest, FailedWriteReportsFalse) {
    TempWorkDir dir;
    EXPECT_FALSE(SampleGame().Write()) << "no Data folder";
    EXPECT_FALSE(SavedGame::WriteEndMarker());
    EXPECT_FALSE(dir.Exists("Data/Resume.dat"));
}
