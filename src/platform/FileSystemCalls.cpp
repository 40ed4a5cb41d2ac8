#include "platform/FileSystemCalls.h"

// Only the POSIX writer goes through here; the Windows one flushes with its
// own calls (FileIoWindows.cpp).
#ifndef _WIN32
#include <unistd.h>

#include <cstdio>

namespace {
FileSystemCalls realCalls;
FileSystemCalls* installed = nullptr;
}  // namespace

long FileSystemCalls::Write(int file, const void* bytes, size_t size) {
    return static_cast<long>(write(file, bytes, size));
}

int FileSystemCalls::Sync(int file) {
    return fsync(file);
}

int FileSystemCalls::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

FileSystemCalls& FileSystemCalls::InUse() {
    return installed ? *installed : realCalls;
}

FileSystemCalls* FileSystemCalls::Install(FileSystemCalls* calls) {
    FileSystemCalls* replaced = installed;
    installed = calls;
    return replaced;
}
#endif  // _WIN32
