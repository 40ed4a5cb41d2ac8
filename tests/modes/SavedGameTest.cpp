#include <gtest/gtest.h>

#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "support/TempWorkDir.h"

namespace {
// The saved game's bytes with the little-endian integer at `offset` changed.
std::string With(std::string bytes, size_t offset, int32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(uint32_t(value) >> 8 * i);
    return bytes;
}
}  // namespace

TEST(SavedGameTest, EncodesLittleEndianInFieldOrderAndReadsBackTheSame) {
    TempWorkDir dir;
    dir.WriteFile("Data/keep", "");
    const SavedGame saved = SampleSavedGame();
    std::string bytes = saved.Encode();
    ASSERT_EQ(bytes.size(), 416u);
    // Rotational, Hard, level 4, 5275 points.
    EXPECT_EQ(bytes.substr(0, 16), std::string("\1\0\0\0\3\0\0\0\4\0\0\0\x9B\x14\0\0", 16));
    EXPECT_EQ(bytes.substr(16 + 4 * 13, 4), std::string("\2\0\0\0", 4));  // cell (3, 1)
    EXPECT_EQ(bytes.substr(412, 4), std::string("\4\0\0\0", 4));          // cell (9, 9)
    ASSERT_TRUE(saved.Write());
    std::optional<SavedGame> read = SavedGame::Read();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Encode(), bytes);
    EXPECT_TRUE(SavedGame::Decode(bytes + "junk"));

    ASSERT_TRUE(SavedGame::WriteEndMarker());
    EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), std::string("c\0\0\0", 4));  // 99
    EXPECT_FALSE(SavedGame::Read());
}

TEST(SavedGameTest, RefusesOnlyWhatTheFormatCannotHold) {
    const std::string good = SampleSavedGame().Encode();
    EXPECT_FALSE(SavedGame::Decode(good.substr(0, 415))) << "one byte short";
    struct Case {
        size_t offset;
        int32_t value;
    };
    for (const Case& c : {Case{0, -1}, Case{0, 2}, Case{0, 99},                 // variant
                          Case{4, 0}, Case{4, 4}, Case{4, -1},                  // difficulty
                          Case{8, 0}, Case{8, -3}, Case{12, -1},                // level, total
                          Case{16, 0}, Case{16 + 4 * 57, 7}, Case{412, -1}}) {  // cells
        EXPECT_FALSE(SavedGame::Decode(With(good, c.offset, c.value)))
            << "offset " << c.offset << " value " << c.value;
    }
    // Play saves totals below the points of the completed levels: a resume
    // carries only 1000 x (level - 1), and New Game drops the level's points.
    EXPECT_TRUE(SavedGame::Decode(With(good, 12, 3300)));
    EXPECT_TRUE(SavedGame::Decode(With(With(good, 8, INT32_MAX), 12, 0)));
    EXPECT_TRUE(SavedGame::Decode(With(With(good, 8, 1), 12, INT32_MAX)));
}
