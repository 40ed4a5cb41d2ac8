#include "screens/HighScoreTable.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/HostPath.h"
#include "platform/LittleEndian.h"
#include "platform/TextMode.h"

namespace {
constexpr const char* kDefaultName = "Player";
// Twice the table (every byte a translated line feed) with room to spare;
// a bigger file is read only this far.
constexpr size_t kLargestFile = 1 << 20;

// A lone 0x0A cannot come from the text-mode writer, which stores every
// 0x0A as 0x0D 0x0A.
bool HasLoneLineFeed(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return true;
    }
    return false;
}

// The untranslated stream of 60 entries. Files the game writes carry the
// text-mode translation; a copy that lost it (written by some other tool)
// shows a lone 0x0A, or is exactly one table long while its translation
// would make it shorter, and is then read as it stands.
std::string EntryStream(const std::string& fileBytes) {
    if (HasLoneLineFeed(fileBytes))
        return fileBytes;
    std::string decoded = FromTextMode(fileBytes);
    if (fileBytes.size() == HighScoreTable::kFileSize && decoded.size() < fileBytes.size()) {
        return fileBytes;
    }
    return decoded;
}
}  // namespace

void HighScoreEntry::SetName(std::string_view text) {
    name.fill('\0');
    size_t length = std::min(text.size(), name.size() - 1);
    length = std::min(length, text.find('\0'));
    std::memcpy(name.data(), text.data(), length);
}

HighScoreTable::HighScoreTable() {
    Reset();
}

void HighScoreTable::Reset() {
    for (HighScoreEntry& entry : entries_) {
        entry.SetName(kDefaultName);
        entry.score = 0;
    }
}

bool HighScoreTable::InRange(int rank) {
    return rank >= 0 && rank < kRanks;
}

int HighScoreTable::IndexOf(GameVariant variant, Difficulty difficulty, int rank) {
    return (variant * kDifficulties + (difficulty - 1)) * kRanks + rank;
}

void HighScoreTable::LoadTable() {
    // A missing file reads as empty; it is not created here, the next save
    // writes it whole.
    const std::string path = HostPath(kPath);
    FileRead file = ReadFileCarefully(path, kLargestFile);
    fileUnreadable_ = file.Unreadable();
    if (fileUnreadable_) {
        DiagnosticLog::Report("high scores",
                              "cannot read \"%s\" (%s); showing default scores, file kept",
                              path.c_str(), file.problem.c_str());
    }
    Decode(file.bytes.value_or(std::string()));
    unsaved_ = false;
}

bool HighScoreTable::SaveTable() {
    const std::string path = HostPath(kPath);
    if (fileUnreadable_) {
        DiagnosticLog::Report("high scores", "not saving over \"%s\", which could not be read",
                              path.c_str());
        return false;
    }
    if (!WriteFileAtomically(path, Encode()))
        return false;
    unsaved_ = false;
    return true;
}

std::string HighScoreTable::Encode() const {
    std::string stream;
    stream.reserve(kFileSize);
    for (const HighScoreEntry& entry : entries_) {
        size_t length = std::strlen(entry.Name());
        stream.append(entry.Name(), length);
        stream.append(kNameSize - length, '\0');
        AppendLe32(stream, static_cast<uint32_t>(entry.score));
    }
    return ToTextMode(stream);
}

void HighScoreTable::Decode(const std::string& fileBytes) {
    Reset();
    std::string stream = EntryStream(fileBytes);
    // Every field the file holds whole is taken; from the first cut field on
    // everything keeps its default. A cut name stays "Player" rather than
    // showing the start of one name over the rest of another.
    for (size_t i = 0; i < entries_.size(); ++i) {
        size_t start = i * kEntrySize;
        if (stream.size() < start + kNameSize)
            return;
        // A field without a NUL (never written by the game) gives its first
        // 31 bytes, so the name always fits with its terminator.
        entries_[i].SetName(std::string_view(stream.data() + start, kNameSize));
        if (stream.size() < start + kEntrySize)
            return;
        entries_[i].score = static_cast<int32_t>(ReadLe32(stream.data() + start + kNameSize));
    }
}

int HighScoreTable::FindRank(GameVariant variant, Difficulty difficulty, int32_t score) const {
    for (int rank = 0; rank < kRanks; ++rank) {
        if (score > entries_[IndexOf(variant, difficulty, rank)].score)
            return rank;
    }
    return kRanks;
}

void HighScoreTable::InsertEntry(GameVariant variant, Difficulty difficulty, int rank,
                                 std::string_view name, int32_t score) {
    if (!InRange(rank))
        return;
    for (int k = kRanks - 1; k > rank; --k) {
        entries_[IndexOf(variant, difficulty, k)] = entries_[IndexOf(variant, difficulty, k - 1)];
    }
    HighScoreEntry& entry = entries_[IndexOf(variant, difficulty, rank)];
    entry.SetName(name);
    entry.score = score;
    unsaved_ = true;
}

const HighScoreEntry& HighScoreTable::Entry(GameVariant variant, Difficulty difficulty,
                                            int rank) const {
    static const HighScoreEntry fallback = [] {
        HighScoreEntry entry;
        entry.SetName(kDefaultName);
        return entry;
    }();
    if (!InRange(rank))
        return fallback;
    return entries_[IndexOf(variant, difficulty, rank)];
}
