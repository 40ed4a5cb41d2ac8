#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        ssize_t got = read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return bytes;
}

namespace {
bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

bool Fail(const std::string& path, const std::string& temporary, int error) {
    std::fprintf(stderr, "Vlims: could not save \"%s\": %s\n", path.c_str(), std::strerror(error));
    if (!temporary.empty()) unlink(temporary.c_str());
    return false;
}
}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".tmp-XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return Fail(path, "", errno);
    fchmod(fd, 0644);
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) {
        int error = errno ? errno : EIO;
        close(fd);
        return Fail(path, temporary, error);
    }
    if (close(fd) != 0) return Fail(path, temporary, errno);
    if (rename(temporary.c_str(), path.c_str()) != 0) return Fail(path, temporary, errno);
    return true;
}
