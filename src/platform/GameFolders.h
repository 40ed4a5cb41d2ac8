#pragma once
#include <filesystem>
#include <optional>
#include <string>

// Where the game's files live. A game folder (one holding Graphics) keeps
// everything, as a copied folder always has: the working directory when the
// game is started in one, else the executable's own folder when it stands in
// one. Otherwise the game is installed: it reads the files it ships from its
// prefix, found relative to the executable so that a moved prefix still
// works, and keeps the files it writes in the player's own folder, so that
// each player of a machine has their own saved game and high scores.
class GameFolders {
  public:
    // What the decision looks at: gathered by ForThisProcess, given by tests.
    struct Facts {
        bool workingDirIsGameFolder = false;
        std::filesystem::path executableDir;  // empty when the host cannot say
        bool executableDirIsGameFolder = false;
        std::string xdgDataHome;  // the environment's values, empty when unset
        std::string home;
    };

    // The working directory as the game folder: every path stays relative.
    GameFolders() = default;

    // Nothing when the game is installed and the player has no home folder
    // to keep their files in; `error` then says so.
    static std::optional<GameFolders> Decide(const Facts& facts, std::string& error);
    // Decides for this process and makes the player's folder, with its Data,
    // on the first start. Nothing (and a line on stderr) when there is no
    // place for the player's files.
    static std::optional<GameFolders> ForThisProcess();

    // Where a path relative to a game folder (host separators) lives: in an
    // installed game, a file the prefix ships is read from there, and
    // everything else (what the game writes, its Data folder) is the player's.
    std::string Locate(const std::string& relative) const;

    bool Installed() const { return shipped_ != player_; }
    const std::filesystem::path& Shipped() const { return shipped_; }
    const std::filesystem::path& Player() const { return player_; }

  private:
    GameFolders(std::filesystem::path shipped, std::filesystem::path player);

    std::filesystem::path shipped_;  // empty: the working directory
    std::filesystem::path player_;
};
