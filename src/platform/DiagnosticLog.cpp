#include "platform/DiagnosticLog.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>

#include "platform/FileIo.h"
#include "platform/HostPath.h"

namespace {
struct LogState {
    // Reports may come from SDL's threads (audio) as well as the game's.
    std::recursive_mutex mutex;
    std::string path;  // empty: stderr only
    // Set while the file is written: a report the writing itself makes
    // (the save of the log failed) goes to stderr only.
    bool writing = false;
    std::set<std::string> reportedFiles;
};

LogState& State() {
    static LogState state;
    return state;
}

// Called under the log's lock: std::localtime's result is shared.
std::string LocalTime() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[32] = "";
    if (local)
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local);
    return text;
}

std::string Formatted(const char* format, va_list args) {
    va_list measuring;
    va_copy(measuring, args);
    const int size = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (size <= 0)
        return {};
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(size));
    return text;
}

// The newest whole lines of `text` within `keep` bytes.
std::string NewestLines(const std::string& text, size_t keep) {
    if (text.size() <= keep)
        return text;
    const size_t lineStart = text.find('\n', text.size() - keep);
    return lineStart == std::string::npos ? std::string() : text.substr(lineStart + 1);
}

// Appends in place; past the cap, or when something other than a regular
// file stands at the name (a link, a pipe), the file is replaced whole, the
// way saves are, by the newest lines. False when it could not be written.
bool WriteToFile(const std::string& path, const std::string& line) {
    const std::optional<uint64_t> size = AppendToFile(path, line);
    if (size && *size <= DiagnosticLog::kCap)
        return true;
    std::string kept = line;
    // A file far past the cap is not one this log grew: start afresh.
    if (size && *size <= 2 * DiagnosticLog::kCap) {
        kept = NewestLines(ReadWholeFile(path, 2 * DiagnosticLog::kCap).value_or(line),
                           DiagnosticLog::kCap / 2);
    }
    // Nothing a player would miss after a power cut: no wait on the disk.
    return WriteFileAtomically(path, kept, WriteDurability::Whole);
}

void Emit(const char* source, const std::string& message) {
    LogState& state = State();
    std::lock_guard<std::recursive_mutex> lock(state.mutex);
    const std::string line = LocalTime() + " Vlims (" + source + "): " + message + "\n";
    std::fputs(line.c_str(), stderr);
    if (state.path.empty() || state.writing)
        return;
    state.writing = true;
    if (!WriteToFile(state.path, line))
        state.path.clear();
    state.writing = false;
}
}  // namespace

DiagnosticLog::DiagnosticLog(const std::string& hostPath) {
    LogState& state = State();
    std::lock_guard<std::recursive_mutex> lock(state.mutex);
    state.path = hostPath;
}

DiagnosticLog::~DiagnosticLog() {
    LogState& state = State();
    std::lock_guard<std::recursive_mutex> lock(state.mutex);
    state.path.clear();
}

void DiagnosticLog::Report(const char* source, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string message = Formatted(format, args);
    va_end(args);
    Emit(source, message);
}

void DiagnosticLog::ReportOnce(const std::string& gamePath, const char* source, const char* format,
                               ...) {
    std::error_code error;
    const std::filesystem::path where = std::filesystem::absolute(HostPath(gamePath), error);
    {
        LogState& state = State();
        std::lock_guard<std::recursive_mutex> lock(state.mutex);
        if (!state.reportedFiles.insert(error ? gamePath : where.string()).second)
            return;
    }
    va_list args;
    va_start(args, format);
    const std::string message = Formatted(format, args);
    va_end(args);
    Emit(source, message);
}
