#include "platform/GameFolders.h"

#include <SDL.h>

#include <cstdlib>
#include <system_error>
#include <utility>

#include "platform/DiagnosticLog.h"

#ifndef VLIMS_SHIPPED_FROM_EXECUTABLE
// The layout of an installed game: the executable in <prefix>/games, what it
// ships in <prefix>/share/games/vlims. The build passes its own.
#define VLIMS_SHIPPED_FROM_EXECUTABLE "../share/games/vlims"
#endif

namespace fs = std::filesystem;

namespace {

fs::path ExecutableDir() {
    char* base = SDL_GetBasePath();
    if (!base)
        return {};
    fs::path dir(base);
    SDL_free(base);
    return dir;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The player's data home: $XDG_DATA_HOME when it is an absolute path (a
// relative one must be ignored), else ~/.local/share.
fs::path DataHome(const GameFolders::Facts& facts) {
    if (fs::path(facts.xdgDataHome).is_absolute())
        return facts.xdgDataHome;
    if (facts.home.empty())
        return {};
    return fs::path(facts.home) / ".local" / "share";
}

// What an installed game ships: its pictures, sounds and help, and the font
// metrics beside the player's files in Data.
bool ShippedByThePrefix(const fs::path& relative) {
    if (relative.empty())
        return false;
    const fs::path top = *relative.begin();
    if (top == "Graphics" || top == "Sounds" || top == "Help")
        return true;
    const std::string name = relative.filename().string();
    const std::string metrics = " Font Metrics.dat";
    return top == "Data" && name.size() > metrics.size() && name.ends_with(metrics);
}

}  // namespace

GameFolders::GameFolders(fs::path shipped, fs::path player)
    : shipped_(std::move(shipped)), player_(std::move(player)) {}

// The folders the game's pictures and sounds are kept in, not a file of
// theirs: a game folder that lost one picture is still the player's, and
// says what it is missing.
bool GameFolders::IsGameFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "Graphics" / "Gui", error) &&
           fs::is_directory(folder / "Sounds", error);
}

GameFolders GameFolders::Decide(const Facts& facts, std::string& error) {
    // Without its own folder the game cannot find a prefix either: the
    // working directory is the best guess, as it always was.
    if (facts.workingDirIsGameFolder || facts.executableDir.empty())
        return GameFolders();
    if (facts.executableDirIsGameFolder)
        return GameFolders(facts.executableDir, facts.executableDir);
    fs::path shipped = (facts.executableDir / VLIMS_SHIPPED_FROM_EXECUTABLE).lexically_normal();
    fs::path dataHome = DataHome(facts);
    if (dataHome.empty()) {
        error =
            "Neither XDG_DATA_HOME nor HOME is set, so there is no folder to keep your "
            "saved game and high scores in.";
        return GameFolders(shipped, {});
    }
    return GameFolders(shipped, dataHome / "vlims");
}

GameFolders GameFolders::ForThisProcess(std::string& error) {
    Facts facts;
    facts.workingDirIsGameFolder = IsGameFolder(".");
    facts.executableDir = ExecutableDir();
    facts.executableDirIsGameFolder = IsGameFolder(facts.executableDir);
    facts.xdgDataHome = Environment("XDG_DATA_HOME");
    facts.home = Environment("HOME");
    GameFolders folders = Decide(facts, error);
    if (folders.Installed() && error.empty()) {
        // A folder that cannot be made is not fatal: the game still plays
        // and says what it could not save, as in a game folder without Data.
        std::error_code made;
        fs::create_directories(folders.player_ / "Data", made);
        if (made)
            DiagnosticLog::Report("folders", "cannot make %s: %s",
                                  (folders.player_ / "Data").string().c_str(),
                                  made.message().c_str());
    }
    return folders;
}

std::string GameFolders::Locate(const std::string& relative) const {
    if (!Installed())
        return shipped_.empty() ? relative : (shipped_ / relative).string();
    const fs::path path(relative);
    return ((ShippedByThePrefix(path) ? shipped_ : player_) / path).string();
}
