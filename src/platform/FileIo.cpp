#include "platform/FileIo.h"

// The POSIX side; FileIoWindows.cpp is the Windows one.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/DiagnosticLog.h"
#include "platform/FileSystemCalls.h"
#include "platform/LastingStorage.h"
#include "platform/TemporaryName.h"

FileRead ReadFileCarefully(const std::string& path, size_t limit) {
    FileRead result;
    // Non-blocking so that a pipe or device put where a game file belongs is
    // refused below instead of waiting for a writer that never comes.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        result.present = errno != ENOENT && errno != ENOTDIR;
        if (result.present)
            result.problem = std::strerror(errno);
        return result;
    }
    result.present = true;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.problem = "not a regular file";
        close(fd);
        return result;
    }
    // Sized by what the file says it holds, so a picture is read in one go;
    // past that, a file that grows meanwhile is read in steps up to the limit.
    std::string bytes(std::min(static_cast<size_t>(std::max<off_t>(info.st_size, 0)), limit), '\0');
    size_t filled = 0;
    char more[4096];
    while (filled < limit) {
        const bool inPlace = filled < bytes.size();
        char* into = inPlace ? bytes.data() + filled : more;
        ssize_t got =
            read(fd, into, inPlace ? bytes.size() - filled : std::min(sizeof more, limit - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.problem = std::strerror(errno);
            close(fd);
            return result;
        }
        if (got == 0)
            break;
        if (!inPlace)
            bytes.append(more, static_cast<size_t>(got));
        filled += static_cast<size_t>(got);
    }
    close(fd);
    bytes.resize(filled);
    result.bytes = std::move(bytes);
    return result;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit) {
    return ReadFileCarefully(path, limit).bytes;
}

bool RemoveFile(const std::string& path) {
    if (unlink(path.c_str()) == 0) {
        KeepWrittenFiles();
        return true;
    }
    return errno == ENOENT;
}

namespace {
bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const long wrote =
            FileSystemCalls::InUse().Write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

bool Fail(const std::string& path, const std::string& temporary, int error) {
    DiagnosticLog::Report("save", "could not save \"%s\": %s", path.c_str(), std::strerror(error));
    if (!temporary.empty())
        unlink(temporary.c_str());
    return false;
}
// The rename is only durable once the folder's entry is on disk too; a
// failure here leaves the new file in place, so it is not reported.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    FileSystemCalls::InUse().Sync(fd);
    close(fd);
}
}  // namespace

std::optional<uint64_t> AppendToFile(const std::string& path, const std::string& bytes) {
    // No link is followed and no pipe waited on: the open refuses the first
    // and returns at once for the second, which the check then turns away.
    int fd =
        open(path.c_str(),
             O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    const bool appended = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && WriteAll(fd, bytes) &&
                          fstat(fd, &info) == 0;
    close(fd);
    if (!appended)
        return std::nullopt;
    return static_cast<uint64_t>(info.st_size);
}

namespace {
// The replaced file's permissions, so a save never opens a file the player
// closed; a new file gets what the umask allows, as any other program's.
mode_t ModeForReplacing(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
#ifdef __EMSCRIPTEN__
    // The browser's files have no owner to mask for; its stand-in for umask
    // masks every bit, which would leave a file nobody may read.
    return 0666;
#else
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
#endif
}

}  // namespace

int RemoveStaleTemporaries(const std::string& folder) {
    std::error_code error;
    int removed = 0;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) && IsTemporaryName(it->path().filename().string()) &&
            std::filesystem::remove(it->path(), ignored)) {
            ++removed;
        }
    }
    return removed;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         WriteDurability durability) {
    const bool onDisk = durability == WriteDurability::OnDisk;
    std::string temporary = path + ".tmp-XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0)
        return Fail(path, "", errno);
    fchmod(fd, ModeForReplacing(path));
    if (!WriteAll(fd, bytes) || (onDisk && FileSystemCalls::InUse().Sync(fd) != 0)) {
        int error = errno ? errno : EIO;
        close(fd);
        return Fail(path, temporary, error);
    }
    if (close(fd) != 0)
        return Fail(path, temporary, errno);
    if (FileSystemCalls::InUse().Rename(temporary.c_str(), path.c_str()) != 0)
        return Fail(path, temporary, errno);
    if (onDisk) {
        SyncFolderOf(path);
        KeepWrittenFiles();
    }
    return true;
}

#endif  // _WIN32
