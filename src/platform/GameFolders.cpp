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

bool IsGameFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "Graphics", error);
}

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

}  // namespace

GameFolders::GameFolders(fs::path shipped, fs::path player)
    : shipped_(std::move(shipped)), player_(std::move(player)) {}

std::optional<GameFolders> GameFolders::Decide(const Facts& facts, std::string& error) {
    // Without its own folder the game cannot find a prefix either: the
    // working directory is the best guess, as it always was.
    if (facts.workingDirIsGameFolder || facts.executableDir.empty())
        return GameFolders();
    if (facts.executableDirIsGameFolder)
        return GameFolders(facts.executableDir, facts.executableDir);
    fs::path dataHome = DataHome(facts);
    if (dataHome.empty()) {
        error =
            "neither XDG_DATA_HOME nor HOME is set, so there is no folder to keep your "
            "saved game and high scores in";
        return std::nullopt;
    }
    fs::path shipped = (facts.executableDir / VLIMS_SHIPPED_FROM_EXECUTABLE).lexically_normal();
    return GameFolders(shipped, dataHome / "vlims");
}

std::optional<GameFolders> GameFolders::ForThisProcess() {
    Facts facts;
    facts.workingDirIsGameFolder = IsGameFolder(".");
    facts.executableDir = ExecutableDir();
    facts.executableDirIsGameFolder = IsGameFolder(facts.executableDir);
    facts.xdgDataHome = Environment("XDG_DATA_HOME");
    facts.home = Environment("HOME");
    std::string reason;
    std::optional<GameFolders> folders = Decide(facts, reason);
    if (!folders) {
        DiagnosticLog::Report("folders", "%s.", reason.c_str());
        return std::nullopt;
    }
    if (folders->Installed()) {
        // A folder that cannot be made is not fatal: the game still plays
        // and says what it could not save, as in a game folder without Data.
        std::error_code error;
        fs::create_directories(folders->player_ / "Data", error);
        if (error)
            DiagnosticLog::Report("folders", "cannot make %s: %s",
                                  (folders->player_ / "Data").string().c_str(),
                                  error.message().c_str());
    }
    return folders;
}

std::string GameFolders::Locate(const std::string& relative) const {
    if (!Installed())
        return shipped_.empty() ? relative : (shipped_ / relative).string();
    fs::path shipped = shipped_ / relative;
    std::error_code error;
    if (fs::is_regular_file(shipped, error))
        return shipped.string();
    return (player_ / relative).string();
}
