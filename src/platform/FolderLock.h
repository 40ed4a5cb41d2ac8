#pragma once
#include <cstdint>
#include <string>

// An exclusive lock on a folder, held for as long as the object lives. Two
// copies of the game writing one folder would delete each other's temporary
// files and save over each other's scores, so only one may own it. The lock
// belongs to the process: the system frees it when the process ends, however
// it ends.
class FolderLock {
  public:
    enum class State {
        Held,           // this process owns the folder
        HeldByAnother,  // another process does: keep out
        Unavailable,    // no folder, or no lock on it (nothing to guard)
    };

    // `hostFolder` is a host path. Never waits for the lock.
    explicit FolderLock(const std::string& hostFolder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State Status() const { return state_; }

  private:
    // The open folder (a descriptor here; a handle where that is the host's
    // kind), -1 when none.
    intptr_t handle_ = -1;
    State state_ = State::Unavailable;
};
