#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "board/GameKind.h"

// One row of a high-score table: a NUL-terminated name in a 32-byte field
// (at most 31 characters) and the score.
struct HighScoreEntry {
    std::array<char, 32> name{};
    int32_t score = 0;

    const char* Name() const { return name.data(); }
    void SetName(std::string_view text);
};

// The ten best scores of every variant (0 Normal, 1 Rotational) and
// difficulty (1 Easy, 2 Normal, 3 Hard), kept in "Data\Info.dat".
//
// The file is the 60 entries in order (variant, then difficulty, then rank),
// 32 name bytes and 4 little-endian score bytes each, stored with text-mode
// line-end translation: every 0x0A byte of the stream is written as 0x0D 0x0A.
class HighScoreTable {
  public:
    static constexpr int kVariants = 2;
    static constexpr int kDifficulties = 3;
    static constexpr int kRanks = 10;
    static constexpr int kEntries = kVariants * kDifficulties * kRanks;
    static constexpr int kEntrySize = 36;
    static constexpr int kNameSize = 32;
    static constexpr int kFileSize = kEntries * kEntrySize;  // before translation
    static constexpr const char* kPath = "Data\\Info.dat";

    // A table that has never been saved: every entry "Player" with 0.
    HighScoreTable();

    // Replaces every entry from the file. Fields the file does not hold
    // whole (missing file, short or damaged file) are defaults.
    void LoadTable();
    // Writes all 60 entries through a temporary file renamed over the old
    // one. On failure the old file stays, stderr says why and false comes
    // back; the table in memory is unchanged either way. A file that exists
    // but could not be read at the last load is never written over: its
    // scores are not in the table, and saving would lose them.
    bool SaveTable();
    // True after InsertEntry until a save succeeds or the file is read again.
    bool HasUnsavedChanges() const { return unsaved_; }

    // The best rank whose score `score` beats strictly, or kRanks when it
    // beats none (an equal score lands below the older entry).
    int FindRank(GameVariant variant, Difficulty difficulty, int32_t score) const;
    // Moves the entries from `rank` on down by one (the last falls out) and
    // puts the new entry at `rank`. A rank outside 0 to 9 changes nothing.
    void InsertEntry(GameVariant variant, Difficulty difficulty, int rank, std::string_view name,
                     int32_t score);

    // A rank outside 0 to 9 gives a default entry.
    const HighScoreEntry& Entry(GameVariant variant, Difficulty difficulty, int rank) const;

    // The file's bytes as the game stores them (translated), and the reverse.
    std::string Encode() const;
    void Decode(const std::string& fileBytes);

  private:
    static bool InRange(int rank);
    static int IndexOf(GameVariant variant, Difficulty difficulty, int rank);
    void Reset();

    std::array<HighScoreEntry, kEntries> entries_;
    bool unsaved_ = false;
    bool fileUnreadable_ = false;
};
