#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

class HighScoreTableTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directory("Data"); }
    TempWorkDir dir;
    HighScoreTable table;
};
}  // namespace

TEST_F(HighScoreTableTest, FirstRunGivesDefaultsAndSavesThemWhole) {
    table.LoadTable();
    EXPECT_FALSE(dir.Exists(kFile));  // reading never creates the file

    ASSERT_TRUE(table.SaveTable());
    std::string saved = dir.ReadFile(kFile);
    EXPECT_EQ(saved.size(), 2160u);
    EXPECT_EQ(saved, DefaultEntries(60)) << "ten \"Player\" with 0 in each of the six tables";
}

// A new score goes below the equal ones already there; the tenth entry
// drops out.
TEST_F(HighScoreTableTest, EqualScoresGoBelowOlderOnesAndTheLastDropsOut) {
    EXPECT_EQ(table.FindRank(NormalVariant, Easy, 0), 10)
        << "nothing at or below the defaults enters";
    for (int i = 0; i < 10; ++i)
        table.InsertEntry(NormalVariant, NormalDifficulty, i, "R" + std::to_string(i),
                          1000 - 100 * i);
    EXPECT_EQ(table.FindRank(NormalVariant, NormalDifficulty, 500), 6);
    EXPECT_EQ(table.FindRank(NormalVariant, NormalDifficulty, 1001), 0);
    EXPECT_EQ(table.FindRank(RotationalVariant, NormalDifficulty, 500), 0)
        << "other tables are untouched";
    table.InsertEntry(NormalVariant, NormalDifficulty, 6, "New", 500);
    EXPECT_STREQ(table.Entry(NormalVariant, NormalDifficulty, 5).Name(), "R5");
    EXPECT_STREQ(table.Entry(NormalVariant, NormalDifficulty, 6).Name(), "New");
    EXPECT_STREQ(table.Entry(NormalVariant, NormalDifficulty, 9).Name(), "R8");
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

// Files cut short, damaged or written by other tools: whatever whole field
// there is, is read; the rest are defaults.
TEST_F(HighScoreTableTest, DamagedFilesAreReadUpToTheLastWholeField) {
    struct Expected {
        GameVariant variant;
        Difficulty difficulty;
        int rank;
        std::string name;
        int32_t score;
    };
    const std::string two = RawEntry("First", 10 + 256) + RawEntry("Second", 20);
    const struct {
        const char* what;
        std::string bytes;
        std::vector<Expected> entries;
    } cases[] = {
        {"cut inside a name",
         two + "Thi",
         {{NormalVariant, Easy, 1, "Second", 20}, {NormalVariant, Easy, 2, "Player", 0}}},
        {"cut inside a score",
         two + RawEntry("Third", 30).substr(0, 34),
         {{NormalVariant, Easy, 2, "Third", 0}, {NormalVariant, Easy, 3, "Player", 0}}},
        {"one entry",
         RawEntry("Solo", 77),
         {{NormalVariant, Easy, 0, "Solo", 77}, {RotationalVariant, Hard, 9, "Player", 0}}},
        {"empty", "", {{NormalVariant, Easy, 0, "Player", 0}}},
        {"a name without its terminator keeps 31 bytes",
         std::string(32, 'Z') + std::string("\x05\0\0\0", 4),
         {{NormalVariant, Easy, 0, std::string(31, 'Z'), 5}}},
        {"lone line feeds of a tool that skipped the translation",
         RawEntry("Ann", 3850) + DefaultEntries(58) + RawEntry("Zed", 0x0A0D),
         {{NormalVariant, Easy, 0, "Ann", 3850}, {RotationalVariant, Hard, 9, "Zed", 0x0A0D}}},
    };
    for (const auto& c : cases) {
        dir.WriteFile(kFile, c.bytes);
        table.LoadTable();
        for (const Expected& entry : c.entries) {
            const HighScoreEntry& read = table.Entry(entry.variant, entry.difficulty, entry.rank);
            EXPECT_EQ(read.Name(), entry.name) << c.what;
            EXPECT_EQ(read.score, entry.score) << c.what;
        }
    }
    // Filler after the terminator is ignored and written back as zeros.
    dir.WriteFile(kFile, "Kim" + std::string(1, '\0') + std::string(28, '\x7F') +
                             std::string("\x05\0\0\0", 4));
    table.LoadTable();
    EXPECT_EQ(table.Encode().substr(0, 36), RawEntry("Kim", 5));
}
