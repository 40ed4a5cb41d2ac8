#pragma once
#include <cstddef>

// The system calls that make a POSIX save survive a power cut, behind one
// seam: the bytes written, the file flushed to disk, the rename over the old
// file, the folder flushed so that the rename is on disk too. Any other order
// can leave an empty or old file after a cut, and nothing a player runs would
// show it, so tests install calls of their own that watch the order.
class FileSystemCalls {
  public:
    virtual ~FileSystemCalls() = default;

    virtual long Write(int file, const void* bytes, size_t size);
    // A file's or a folder's descriptor.
    virtual int Sync(int file);
    virtual int Rename(const char* from, const char* to);

    // The real calls, unless a test installed others.
    static FileSystemCalls& InUse();
    // Installs `calls` (nullptr: the real ones again); returns those it replaced.
    static FileSystemCalls* Install(FileSystemCalls* calls);
};
