// Where an installed game's files live, decided from POSIX paths and XDG.
#include <gtest/gtest.h>

#include "platform/GameFolders.h"

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

}  // namespace
