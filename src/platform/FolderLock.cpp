#include "platform/FolderLock.h"

// The POSIX side; FolderLockWindows.cpp is the Windows one.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

FolderLock::FolderLock(const std::string& hostFolder) {
    int fd = open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // A lock on the folder itself: nothing new is put in the player's folder.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        handle_ = fd;
        state_ = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK)
        state_ = State::HeldByAnother;
    close(fd);
}

FolderLock::~FolderLock() {
    if (handle_ >= 0)
        close(static_cast<int>(handle_));
}

#endif  // _WIN32
