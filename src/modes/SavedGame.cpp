#include "modes/SavedGame.h"

#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/HostPath.h"
#include "platform/LittleEndian.h"

namespace {
// The file's `index`th integer.
int32_t ReadInt32(const std::string& bytes, size_t index) {
    return static_cast<int32_t>(ReadLe32(bytes.data() + 4 * index));
}

void AppendInt32(std::string& bytes, int32_t value) {
    AppendLe32(bytes, static_cast<uint32_t>(value));
}

bool WriteUnlessUnreadable(const std::string& gamePath, const std::string& bytes) {
    const std::string path = HostPath(gamePath);
    FileRead old = ReadFileCarefully(path, 1);
    if (old.Unreadable()) {
        DiagnosticLog::Report("save", "not saving over \"%s\", which cannot be read (%s)",
                              path.c_str(), old.problem.c_str());
        return false;
    }
    return WriteFileAtomically(path, bytes);
}
}  // namespace

std::optional<SavedGame> SavedGame::Read(const std::string& gamePath) {
    std::optional<std::string> bytes = ReadWholeFile(HostPath(gamePath), kFileSize);
    if (!bytes)
        return std::nullopt;
    return Decode(*bytes);
}

std::optional<SavedGame> SavedGame::Decode(const std::string& bytes) {
    if (bytes.size() < kFileSize)
        return std::nullopt;
    const std::optional<GameVariant> variant = VariantFromCode(ReadInt32(bytes, 0));
    const std::optional<Difficulty> difficulty = DifficultyFromCode(ReadInt32(bytes, 1));
    if (!variant || !difficulty)
        return std::nullopt;
    SavedGame game;
    game.variant = *variant;
    game.difficulty = *difficulty;
    game.level = ReadInt32(bytes, 2);
    game.totalScore = ReadInt32(bytes, 3);
    if (game.level < 1 || game.totalScore < 0)
        return std::nullopt;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const std::optional<PieceColour> colour = ColourFromCode(ReadInt32(bytes, 4 + cell));
        if (!colour)
            return std::nullopt;
        game.colours[cell] = *colour;
    }
    return game;
}

std::string SavedGame::Encode() const {
    std::string bytes;
    bytes.reserve(kFileSize);
    AppendInt32(bytes, variant);
    AppendInt32(bytes, difficulty);
    AppendInt32(bytes, level);
    AppendInt32(bytes, totalScore);
    for (PieceColour colour : colours) AppendInt32(bytes, colour);
    return bytes;
}

bool SavedGame::Write(const std::string& gamePath) const {
    return WriteUnlessUnreadable(gamePath, Encode());
}

bool SavedGame::WriteEndMarker(const std::string& gamePath) {
    std::string bytes;
    AppendInt32(bytes, kEndMarker);
    return WriteUnlessUnreadable(gamePath, bytes);
}

bool SavedGame::End(const std::string& gamePath) {
    if (WriteEndMarker(gamePath))
        return true;
    const std::string path = HostPath(gamePath);
    // An unreadable file is not the game that just ended; it stays.
    if (ReadFileCarefully(path, 1).Unreadable())
        return true;
    if (RemoveFile(path))
        return true;
    DiagnosticLog::Report("save", "could not remove \"%s\" either; the ended game stays on disk",
                          path.c_str());
    return false;
}
