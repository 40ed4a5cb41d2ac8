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
#ifdef __EMSCRIPTEN__
    // On the web, fsync on the browser's storage writes the whole folder out
    // and hands control to the page until that is done: a save made while
    // the page is being hidden could not wait for it. There the file is
    // whole in memory once written, and KeepWrittenFiles sends the folder
    // out after the rename.
    (void)file;
    return 0;
#else
    return fsync(file);
#endif
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
