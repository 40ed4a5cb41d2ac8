// The Windows side of FolderLock.h; FolderLock.cpp is the POSIX one.
#ifdef _WIN32
#include <windows.h>

#include "platform/FolderLock.h"
#include "platform/WindowsText.h"

namespace {
// Windows locks byte ranges of files, not folders. The lock is taken on a
// hidden file the system deletes when the last copy holding it open ends, so
// the folder is left as it was found. The locked byte lies far beyond the
// file's end, where no read ever goes.
constexpr const wchar_t* kLockName = L"\\Vlims.lock";
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
}  // namespace

FolderLock::FolderLock(const std::string& hostFolder) {
    const DWORD attributes = GetFileAttributesW(WideFromUtf8(hostFolder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    HANDLE file =
        CreateFileW((WideFromUtf8(hostFolder) + kLockName).c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        handle_ = reinterpret_cast<intptr_t>(file);
        state_ = State::Held;
        return;
    }
    if (GetLastError() == ERROR_LOCK_VIOLATION)
        state_ = State::HeldByAnother;
    CloseHandle(file);
}

FolderLock::~FolderLock() {
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}
#endif  // _WIN32
