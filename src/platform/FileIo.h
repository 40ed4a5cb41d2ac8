#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Whole-file reads and crash-safe writes for every file the game touches.
// Paths are host paths (see HostPath).

// What a careful read found at a path.
struct FileRead {
    // The file's bytes (at most the limit asked for), when it is a regular
    // file that could be read.
    std::optional<std::string> bytes;
    // Something is there, readable or not: a file without permission, a
    // folder, a pipe or a device.
    bool present = false;
    // Why a present thing gave no bytes, for the player's stderr.
    std::string problem;

    bool Unreadable() const { return present && !bytes; }
};

// Reads without ever blocking: the open does not wait for the writer of a
// pipe, and anything but a regular file is refused. At most `limit` bytes are
// read, so a huge file cannot exhaust memory.
FileRead ReadFileCarefully(const std::string& path, size_t limit);

// The file's bytes by the rules above, or nothing when there are none.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit = 1 << 20);

// Writes a temporary file in the same folder, flushes it to disk and renames
// it over `path`, so a crash leaves either the old or the new content, never a
// torn file. A symbolic link at `path` is replaced, never followed. The new
// file keeps the permissions of the regular file it replaces; a file new to
// the folder gets those the user's umask gives. On failure the old file is
// untouched, one line naming the file and the reason goes to stderr, and
// false is returned. `Whole` skips the flushes to disk: for a file that holds
// nothing a player would miss after a power cut (the display log), where
// waiting on the disk at every start would only slow the start.
enum class WriteDurability { OnDisk, Whole };
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         WriteDurability durability = WriteDurability::OnDisk);

// Adds `bytes` at the end of the regular file at `path`, made when missing,
// and gives its size after; nothing when the bytes could not be added, or
// when anything but a regular file stands at `path`: a link is never
// followed, a pipe never waited on. Says nothing itself: the diagnostic log
// is what uses it.
std::optional<uint64_t> AppendToFile(const std::string& path, const std::string& bytes);

// Deletes the file at `path`; true when it is gone (or was never there).
bool RemoveFile(const std::string& path);

// Deletes the temporary files a save cut short by a crash or a kill left in
// `folder` (a host path); the files they were meant to replace are whole.
// Only the copy of the game that holds the folder's lock may call it: another
// copy's save in progress would lose its temporary file.
// Returns how many it deleted.
int RemoveStaleTemporaries(const std::string& folder);
