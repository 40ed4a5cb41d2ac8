#pragma once
#include <cstddef>
#include <string>

// Where every report of something that went wrong goes: one line with the
// time and the part of the game that noticed it, on stderr and, while a
// DiagnosticLog lives, at the end of the log file in the player's data
// folder. A player who started the game from a menu, or on Windows, where a
// windowed program has no stderr, finds it there.
//
// Reporting never fails and never stops the game: a log file that cannot be
// written is left alone for the rest of the run, after one line on stderr.
class DiagnosticLog {
  public:
    // The log's game path, in the folder the game writes its saves to.
    static constexpr const char* kGamePath = "Data\\vlims.log";
    // Past this the oldest half is dropped, so the log never fills a disk
    // and what it holds is always the recent runs.
    static constexpr size_t kCap = size_t{256} * 1024;

    // While this lives, reports also go to the file at `hostPath`.
    explicit DiagnosticLog(const std::string& hostPath);
    ~DiagnosticLog();
    DiagnosticLog(const DiagnosticLog&) = delete;
    DiagnosticLog& operator=(const DiagnosticLog&) = delete;

    // `source` names what noticed ("save", "picture", "X server"); `format`
    // and what follows are printf's.
    [[gnu::format(printf, 2, 3)]] static void Report(const char* source, const char* format, ...);
    // The same, the first time only for each file. Pictures, sounds and fonts
    // are loaded again on every screen entry; a missing one is worth saying
    // once per run, not on every click. Files are told apart by their
    // absolute path, so the same game path in another working directory is
    // news again.
    [[gnu::format(printf, 3, 4)]] static void ReportOnce(const std::string& gamePath,
                                                         const char* source, const char* format,
                                                         ...);
};
