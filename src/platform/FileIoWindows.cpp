// The Windows side of FileIo.h; FileIo.cpp is the POSIX one.
#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <random>

#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/TemporaryName.h"
#include "platform/WindowsText.h"

namespace {
// Closes the handle when the scope ends, whichever way it ends.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid())
            return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

bool Fail(const std::string& path, const std::string& temporary, DWORD error) {
    DiagnosticLog::Report("save", "could not save \"%s\": %s", path.c_str(),
                          WindowsErrorText(error).c_str());
    if (!temporary.empty())
        DeleteFileW(WideFromUtf8(temporary).c_str());
    return false;
}

std::string RandomSuffix() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof letters - 2);
    std::string suffix;
    for (size_t i = 0; i < kTemporarySuffixLength; ++i) suffix.push_back(letters[pick(generator)]);
    return suffix;
}

// A new temporary file next to `path`, never an existing one (as mkstemp).
HANDLE CreateTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + kTemporaryMark + RandomSuffix();
        HANDLE handle = CreateFileW(WideFromUtf8(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return handle;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE handle, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        DWORD wrote = 0;
        if (!WriteFile(handle, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0)
            return false;
        done += wrote;
    }
    return true;
}

// MoveFileExW with write-through returns only once the rename is on disk.
// A target another program holds open without delete sharing refuses it;
// ReplaceFileW can still swap the contents in then.
bool ReplaceWith(const std::wstring& temporary, const std::wstring& target) {
    if (MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD moveError = GetLastError();
    if (moveError == ERROR_ACCESS_DENIED || moveError == ERROR_SHARING_VIOLATION) {
        if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return true;
    }
    SetLastError(moveError);
    return false;
}
}  // namespace

FileRead ReadFileCarefully(const std::string& path, size_t limit) {
    FileRead result;
    FileHandle file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        result.present = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        result.problem = WindowsErrorText(error);
        return result;
    }
    result.present = true;
    // A device name ("CON", "COM1") or a pipe where a game file belongs would
    // wait for input for ever; only files on disk are read.
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
        result.problem = "not a regular file";
        return result;
    }
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min(sizeof buffer, limit - bytes.size()));
        if (!ReadFile(file.Get(), buffer, want, &got, nullptr)) {
            result.problem = WindowsErrorText(GetLastError());
            return result;
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    result.bytes = std::move(bytes);
    return result;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit) {
    return ReadFileCarefully(path, limit).bytes;
}

std::optional<uint64_t> AppendToFile(const std::string& path, const std::string& bytes) {
    // A link (a reparse point) is opened as itself and turned away, never
    // followed; a device or pipe is turned away by its type.
    FileHandle file(CreateFileW(WideFromUtf8(path).c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                                nullptr));
    if (!file.Valid() || GetFileType(file.Get()) != FILE_TYPE_DISK)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0 ||
        !WriteAll(file.Get(), bytes)) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size))
        return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
}

bool RemoveFile(const std::string& path) {
    if (DeleteFileW(WideFromUtf8(path).c_str()))
        return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         WriteDurability durability) {
    std::string temporary;
    FileHandle file(CreateTemporary(path, temporary));
    if (!file.Valid())
        return Fail(path, "", GetLastError());
    const bool onDisk = durability == WriteDurability::OnDisk;
    if (!WriteAll(file.Get(), bytes) || (onDisk && !FlushFileBuffers(file.Get()))) {
        const DWORD error = GetLastError();
        file.Close();
        return Fail(path, temporary, error);
    }
    if (!file.Close())
        return Fail(path, temporary, GetLastError());
    if (!ReplaceWith(WideFromUtf8(temporary), WideFromUtf8(path)))
        return Fail(path, temporary, GetLastError());
    return true;
}

int RemoveStaleTemporaries(const std::string& folder) {
    const std::wstring wideFolder = WideFromUtf8(folder);
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((wideFolder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int removed = 0;
    do {
        const bool regular = (entry.dwFileAttributes &
                              (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
        if (regular && IsTemporaryName(Utf8FromWide(entry.cFileName)) &&
            DeleteFileW((wideFolder + L"\\" + entry.cFileName).c_str()))
            ++removed;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return removed;
}
#endif  // _WIN32
