#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "screens/HighScoreTable.h"
#include "support/TempWorkDir.h"

namespace {
constexpr const char* kFile = "Data/Info.dat";

// One entry as the game stores it before translation.
std::string RawEntry(const std::string& name, uint32_t score) {
    std::string bytes = name;
    bytes.append(32 - name.size(), '\0');
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(score >> shift));
    return bytes;
}

std::string DefaultEntries(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += RawEntry("Player", 0);
    return bytes;
}

void ExpectDefault(const HighScoreEntry& entry) {
    EXPECT_STREQ(entry.Name(), "Player");
    EXPECT_EQ(entry.score, 0);
}

class HighScoreTableTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directory("Data"); }
    TempWorkDir dir;
    HighScoreTable table;
};
}  // namespace

TEST_F(HighScoreTableTest, FirstRunGivesDefaultsAndSavesThemWhole) {
    table.LoadTable();
    for (GameVariant variant : kAllVariants)
        for (Difficulty difficulty : kAllDifficulties)
            for (int rank = 0; rank < 10; ++rank)
                ExpectDefault(table.Entry(variant, difficulty, rank));
    EXPECT_FALSE(dir.Exists(kFile));  // reading never creates the file

    ASSERT_TRUE(table.SaveTable());
    std::string saved = dir.ReadFile(kFile);
    EXPECT_EQ(saved.size(), 2160u);
    EXPECT_EQ(saved, DefaultEntries(60));
}

TEST_F(HighScoreTableTest, FindRankPlacesEqualScoresBelowOlderOnes) {
    EXPECT_EQ(table.FindRank(NormalVariant, Easy, 0), 10)
        << "nothing at or below the defaults enters";
    EXPECT_EQ(table.FindRank(RotationalVariant, Hard, -5), 10);
    table.InsertEntry(NormalVariant, NormalDifficulty, 0, "A", 500);
    table.InsertEntry(NormalVariant, NormalDifficulty, 1, "B", 300);
    table.InsertEntry(NormalVariant, NormalDifficulty, 2, "C", 300);
    table.InsertEntry(NormalVariant, NormalDifficulty, 3, "D", 100);
    EXPECT_EQ(table.FindRank(NormalVariant, NormalDifficulty, 300), 3);
    EXPECT_EQ(table.FindRank(NormalVariant, NormalDifficulty, 501), 0);
    EXPECT_EQ(table.FindRank(NormalVariant, NormalDifficulty, 500), 1);
    EXPECT_EQ(table.FindRank(NormalVariant, NormalDifficulty, 1), 4);
    // Other tables are untouched.
    EXPECT_EQ(table.FindRank(RotationalVariant, NormalDifficulty, 300), 0);
    EXPECT_EQ(table.FindRank(NormalVariant, Easy, 300), 0);

    table.InsertEntry(NormalVariant, NormalDifficulty, 3, "New", 300);
    EXPECT_STREQ(table.Entry(NormalVariant, NormalDifficulty, 2).Name(), "C");
    EXPECT_STREQ(table.Entry(NormalVariant, NormalDifficulty, 3).Name(), "New");
    EXPECT_STREQ(table.Entry(NormalVariant, NormalDifficulty, 4).Name(), "D");
}

TEST_F(HighScoreTableTest, InsertDropsTheLastEntryAndIgnoresBadPlaces) {
    for (int i = 0; i < 10; ++i)
        table.InsertEntry(RotationalVariant, Hard, i, "R" + std::to_string(i), 1000 - i);
    table.InsertEntry(RotationalVariant, Hard, 9, "Last", 995);
    EXPECT_STREQ(table.Entry(RotationalVariant, Hard, 8).Name(), "R8");
    EXPECT_STREQ(table.Entry(RotationalVariant, Hard, 9).Name(), "Last");
    table.InsertEntry(RotationalVariant, Hard, 0, "Top", 2000);
    EXPECT_STREQ(table.Entry(RotationalVariant, Hard, 0).Name(), "Top");
    EXPECT_STREQ(table.Entry(RotationalVariant, Hard, 9).Name(), "R8");

    std::string before = table.Encode();
    table.InsertEntry(RotationalVariant, Hard, 10, "X", 1);
    EXPECT_EQ(table.Encode(), before);
}

TEST_F(HighScoreTableTest, LineFeedBytesAreTranslatedBothWays) {
    table.InsertEntry(NormalVariant, Easy, 0, "Ann", 3850);  // 0A 0F 00 00
    table.InsertEntry(NormalVariant, Easy, 1, "Bob", 1050);  // 1A 04 00 00
    ASSERT_TRUE(table.SaveTable());
    std::string saved = dir.ReadFile(kFile);
    ASSERT_EQ(saved.size(), 2161u);
    EXPECT_EQ(saved.substr(32, 5), std::string("\x0D\x0A\x0F\x00\x00", 5));
    EXPECT_EQ(saved.substr(37, 3), std::string("Bob", 3));
    EXPECT_EQ(saved.substr(37 + 32, 4), std::string("\x1A\x04\x00\x00", 4));

    HighScoreTable again;
    again.LoadTable();
    EXPECT_STREQ(again.Entry(NormalVariant, Easy, 0).Name(), "Ann");
    EXPECT_EQ(again.Entry(NormalVariant, Easy, 0).score, 3850);
    EXPECT_EQ(again.Entry(NormalVariant, Easy, 1).score, 1050);
    EXPECT_EQ(again.Encode(), saved);

    // A lone CR before a LF in the stream must not swallow the LF on reading.
    table.InsertEntry(RotationalVariant, NormalDifficulty, 0, std::string("a\r\nb\n", 5), 0x0A0D);
    ASSERT_TRUE(table.SaveTable());
    again.LoadTable();
    EXPECT_STREQ(again.Entry(RotationalVariant, NormalDifficulty, 0).Name(), "a\r\nb\n");
    EXPECT_EQ(again.Entry(RotationalVariant, NormalDifficulty, 0).score, 0x0A0D);
}

TEST_F(HighScoreTableTest, CutOrDamagedFilesGiveDefaultsAfterTheLastWholeField) {
    std::string bytes = RawEntry("First", 10 + 256) + RawEntry("Second", 20);
    dir.WriteFile(kFile, bytes + "Thi");  // cut inside the third name
    table.LoadTable();
    EXPECT_STREQ(table.Entry(NormalVariant, Easy, 1).Name(), "Second");
    ExpectDefault(table.Entry(NormalVariant, Easy, 2));

    dir.WriteFile(kFile, bytes + RawEntry("Third", 30).substr(0, 34));  // cut inside a score
    table.LoadTable();
    EXPECT_STREQ(table.Entry(NormalVariant, Easy, 2).Name(), "Third");
    EXPECT_EQ(table.Entry(NormalVariant, Easy, 2).score, 0);
    ExpectDefault(table.Entry(NormalVariant, Easy, 3));

    dir.WriteFile(kFile, RawEntry("Solo", 77));
    table.LoadTable();
    EXPECT_STREQ(table.Entry(NormalVariant, Easy, 0).Name(), "Solo");
    EXPECT_EQ(table.Entry(NormalVariant, Easy, 0).score, 77);
    ExpectDefault(table.Entry(NormalVariant, Easy, 1));
    ExpectDefault(table.Entry(RotationalVariant, Hard, 9));

    dir.WriteFile(kFile, "");
    table.LoadTable();
    ExpectDefault(table.Entry(NormalVariant, Easy, 0));
}

TEST_F(HighScoreTableTest, NameWithoutTerminatorKeepsThirtyOneBytes) {
    std::string field(32, 'Z');
    dir.WriteFile(kFile, field + std::string("\x05\x00\x00\x00", 4));
    table.LoadTable();
    EXPECT_EQ(std::string(table.Entry(NormalVariant, Easy, 0).Name()), std::string(31, 'Z'));
    EXPECT_EQ(table.Entry(NormalVariant, Easy, 0).score, 5);
    // Filler after the terminator is ignored and written back as zeros.
    std::string filler = "Kim" + std::string(1, '\0') + std::string(28, '\x7F');
    dir.WriteFile(kFile, filler + std::string("\x05\x00\x00\x00", 4));
    table.LoadTable();
    EXPECT_STREQ(table.Entry(NormalVariant, Easy, 0).Name(), "Kim");
    EXPECT_EQ(table.Encode().substr(0, 36), RawEntry("Kim", 5));
}

TEST_F(HighScoreTableTest, FileWithoutTranslationIsStillRead) {
    // Written by a tool that skipped the translation: lone 0x0A bytes.
    std::string bytes = RawEntry("Ann", 3850) + DefaultEntries(58) + RawEntry("Zed", 0x0A0D);
    dir.WriteFile(kFile, bytes);
    table.LoadTable();
    EXPECT_STREQ(table.Entry(NormalVariant, Easy, 0).Name(), "Ann");
    EXPECT_EQ(table.Entry(NormalVariant, Easy, 0).score, 3850);
    EXPECT_STREQ(table.Entry(RotationalVariant, Hard, 9).Name(), "Zed");
    EXPECT_EQ(table.Entry(RotationalVariant, Hard, 9).score, 0x0A0D);
}

TEST_F(HighScoreTableTest, AFileThatCannotBeReadIsNeverSavedOver) {
    std::filesystem::create_directory(kFile);  // there, but no file to read
    std::filesystem::create_directory("Data/Info.dat/keep");
    testing::internal::CaptureStderr();
    table.LoadTable();
    table.InsertEntry(NormalVariant, Easy, 0, "New", 60);
    EXPECT_FALSE(table.SaveTable());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Info.dat"), std::string::npos);
    EXPECT_TRUE(dir.Exists("Data/Info.dat/keep"));
    EXPECT_TRUE(table.HasUnsavedChanges());
}
