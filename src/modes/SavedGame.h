#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "board/GameKind.h"
#include "board/Piece.h"

// The unfinished game kept in "Data\Resume.dat": 104 little-endian 32-bit
// integers (variant, difficulty, level, total score, then the colour code of
// each cell in index order), 416 bytes. Ending a game replaces it with the
// single integer 99, the end marker.
//
// This is the only reader of the file. Everyone who asks whether a game can be
// resumed goes through Read, so a file that would leave a cell without a piece
// (too short, or a colour code outside 1..6) or hold a difficulty outside
// 1..3, a level below 1 or a total below 0 is "no saved game" everywhere.
struct SavedGame {
    static constexpr const char* kFileName = "Data\\Resume.dat";
    static constexpr int kCellCount = 100;
    static constexpr size_t kFileSize = size_t{4} * (4 + kCellCount);
    static constexpr int32_t kEndMarker = 99;

    GameVariant variant = NormalVariant;
    Difficulty difficulty = NormalDifficulty;
    int32_t level = 1;
    int32_t totalScore = 0;
    std::array<PieceColour, kCellCount> colours{};

    // The saved game in `gamePath`, or nothing when the file is missing, holds
    // the end marker or anything else that cannot be played on. Any total goes
    // with any level: play saves totals below what the completed levels
    // scored (a resume carries only 1000 x (level - 1), New Game drops the
    // level's points), and the play screen's sums hold up to the largest
    // level and total.
    static std::optional<SavedGame> Read(const std::string& gamePath = kFileName);
    static std::optional<SavedGame> Decode(const std::string& bytes);
    std::string Encode() const;

    // Both writers replace the file whole or not at all; on failure the old
    // file stays, one line goes to stderr and the result is false. A file
    // that is there but cannot be read (no permission, not a file) is never
    // written over: it may be a game the player can still get back.
    bool Write(const std::string& gamePath = kFileName) const;
    static bool WriteEndMarker(const std::string& gamePath = kFileName);
    // Makes sure the game in the file cannot be resumed: the end marker, or,
    // when that cannot be written (a full disk), no file. False when neither
    // worked; stderr then says so.
    static bool End(const std::string& gamePath = kFileName);
};
