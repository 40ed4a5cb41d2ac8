// Where an installed game's files live, decided from POSIX paths and the
// XDG variables; a Windows game always runs from its own unzipped folder.
#include <gtest/gtest.h>

#include "platform/GameFolders.h"
#include "platform/HostPath.h"
#include "support/TempWorkDir.h"

namespace {

struct FolderCase {
    const char* what;
    GameFolders::Facts facts;
    const char* shipped;  // nullptr: no folders at all
    const char* player;
};

TEST(GameFolders, GameFolderFirstThenThePrefixAndThePlayersDataHome) {
    const char* share = "/usr/share/games/vlims";
    const char* local = "/h/.local/share/vlims";
    const FolderCase cases[] = {
        {"started in a game folder", {true, "/opt/v", true, "/x", "/h"}, "", ""},
        {"standing in a game folder", {false, "/opt/v", true, "/x", "/h"}, "/opt/v", "/opt/v"},
        {"installed", {false, "/usr/games", false, "/x/data", "/h"}, share, "/x/data/vlims"},
        {"a moved prefix", {false, "/p/games/", false, "", "/h"}, "/p/share/games/vlims", local},
        {"relative XDG_DATA_HOME ignored", {false, "/usr/games", false, "rel", "/h"}, share, local},
        {"no home at all", {false, "/usr/games", false, "", ""}, nullptr, nullptr},
        {"no executable folder", {false, "", false, "", "/h"}, "", ""},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        std::optional<GameFolders> folders = GameFolders::Decide(c.facts, error);
        ASSERT_EQ(folders.has_value(), c.shipped != nullptr);
        if (!folders) {
            EXPECT_NE(error.find("HOME"), std::string::npos);
            continue;
        }
        EXPECT_EQ(folders->Shipped(), c.shipped);
        EXPECT_EQ(folders->Player(), c.player);
    }
}

// An installed game reads what the prefix ships and keeps everything else,
// the Data folder itself included, in the player's folder.
TEST(GameFolders, InstalledGameReadsThePrefixAndWritesThePlayersFolder) {
    TempWorkDir dir;
    dir.WriteFile("prefix/share/games/vlims/Data/Times Roman 10 Font Metrics.dat", "m");
    GameFolders::Facts facts{false, dir.Path() / "prefix" / "games", false,
                             (dir.Path() / "home").string(), ""};
    std::string error;
    std::optional<GameFolders> folders = GameFolders::Decide(facts, error);
    ASSERT_TRUE(folders);
    UseGameFolders(*folders);
    const std::string shipped = (dir.Path() / "prefix/share/games/vlims/").string();
    const std::string player = (dir.Path() / "home/vlims/").string();
    EXPECT_EQ(HostPath("Data\\Times Roman 10 Font Metrics.dat"),
              shipped + "Data/Times Roman 10 Font Metrics.dat");
    EXPECT_EQ(HostPath("Data\\Resume.dat"), player + "Data/Resume.dat");
    EXPECT_EQ(HostPath("Data"), player + "Data");
    EXPECT_EQ(HostPath("Direct Draw 5 Log.txt"), player + "Direct Draw 5 Log.txt");
    UseGameFolders(GameFolders());
    EXPECT_EQ(HostPath("Data\\Resume.dat"), "Data/Resume.dat");
}

}  // namespace
