// Where an installed game's files live, decided from POSIX paths and XDG.
#include <gtest/gtest.h>

#include "platform/GameFolders.h"
#include "support/TempWorkDir.h"

namespace {

struct FolderCase {
    const char* what;
    GameFolders::Facts facts;
    const char* shipped;  // nullptr: no place for the player's files
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
        GameFolders folders = GameFolders::Decide(c.facts, error);
        EXPECT_EQ(error.find("HOME") != std::string::npos, c.shipped == nullptr);
        if (c.shipped) {
            EXPECT_EQ(folders.Shipped(), c.shipped);
            EXPECT_EQ(folders.Player(), c.player);
        }
    }
}

// A designer's Graphics folder is no game folder; an installed game takes the
// player's files from the player's folder alone, whatever the prefix holds.
TEST(GameFolders, GameFilesMakeAGameFolderAndThePlayersFilesStayThePlayers) {
    TempWorkDir dir;
    dir.WriteFile("Graphics/Logo.bmp", "");
    EXPECT_FALSE(GameFolders::IsGameFolder(dir.Path()));
    dir.WriteFile("Graphics/Gui/Background.bmp", "");
    dir.WriteFile("Sounds/Score.wav", "");
    EXPECT_TRUE(GameFolders::IsGameFolder(dir.Path()));

    const std::filesystem::path share = dir.Path() / "share/games/vlims";
    dir.WriteFile("share/games/vlims/Data/Resume.dat", "");
    dir.WriteFile("share/games/vlims/Data/Times Roman 10 Font Metrics.dat", "");
    std::string error;
    GameFolders folders =
        GameFolders::Decide({false, dir.Path() / "games", false, "", "/h"}, error);
    EXPECT_EQ(folders.Locate("Data/Resume.dat"), "/h/.local/share/vlims/Data/Resume.dat");
    EXPECT_EQ(folders.Locate("Data/Times Roman 10 Font Metrics.dat"),
              (share / "Data/Times Roman 10 Font Metrics.dat").string());
}

}  // namespace
