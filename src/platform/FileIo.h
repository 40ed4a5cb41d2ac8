#pragma once
#include <optional>
#include <string>

// Whole-file reads and crash-safe writes for the files the game keeps.
// Paths are host paths (see HostPath).

// The file's bytes, or nothing when it cannot be opened or is not a regular
// file. At most `limit` bytes are read, so a huge file cannot exhaust memory.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit = 1 << 20);

// Writes a temporary file in the same folder, flushes it to disk and renames
// it over `path`, so a crash leaves either the old or the new content, never a
// torn file. On failure the old file is untouched, one line naming the file
// and the reason goes to stderr, and false is returned.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Deletes the temporary files a save cut short by a crash or a kill left in
// `folder` (a host path); the files they were meant to replace are whole.
// Returns how many it deleted.
int RemoveStaleTemporaries(const std::string& folder);
