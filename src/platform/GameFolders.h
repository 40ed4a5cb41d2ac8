#pragma once
#include <filesystem>
#include <string>

// Where the game's files live. A game folder (one holding the game's own
// pictures and sounds) keeps everything, as a copied folder always has: the
// working directory when the game is started in one, else the executable's
// own folder when it stands in one. Otherwise the game is installed: it reads
// the files it ships from its prefix, found relative to the executable so
// that a moved prefix still works, and keeps the player's files in the
// player's own folder, so that each player of a machine has their own saved
// game and high scores.
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

    // A folder the game can run in: it holds the game's own folders of
    // pictures and sounds, not merely a folder named Graphics (a designer's
    // home folder has one).
    static bool IsGameFolder(const std::filesystem::path& folder);

    // When the game is installed and the player has no home folder to keep
    // their files in, `error` says so; the folders then serve only what the
    // prefix ships (enough to show that message in the game's own box).
    static GameFolders Decide(const Facts& facts, std::string& error);
    // Decides for this process and makes the player's folder, with its Data,
    // on the first start.
    static GameFolders ForThisProcess(std::string& error);

    // Where a path relative to a game folder (host separators) lives: in an
    // installed game, what the prefix ships (pictures, sounds, help and the
    // font metrics) is read from there, and the player's files (saved game,
    // high scores, help counters, display log) only from the player's
    // folder, whatever else the prefix holds.
    std::string Locate(const std::string& relative) const;

    bool Installed() const { return shipped_ != player_; }
    const std::filesystem::path& Shipped() const { return shipped_; }
    const std::filesystem::path& Player() const { return player_; }

  private:
    GameFolders(std::filesystem::path shipped, std::filesystem::path player);

    std::filesystem::path shipped_;  // empty: the working directory
    std::filesystem::path player_;
};
