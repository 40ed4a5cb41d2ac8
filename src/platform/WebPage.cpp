#include "platform/WebPage.h"

#include <SDL.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/HostPath.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {
WebPageRecorder* recorder = nullptr;

bool IsUnreserved(unsigned char c) {
    // ':' stays for a Windows drive letter ("file:///C:/...").
    return std::isalnum(c) || std::strchr("-._~/:", c) != nullptr;
}

std::string PercentEncode(const std::string& path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (IsUnreserved(c)) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}

std::string FullPath(const std::string& gamePath) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(HostPath(gamePath), error);
    return error ? HostPath(gamePath) : absolute.lexically_normal().string();
}

#ifdef _WIN32
bool Launch(const std::string& url, const std::string& unopened) {
    if (SDL_OpenURL(url.c_str()) == 0)
        return true;
    std::fputs(unopened.c_str(), stderr);
    return false;
}
#else
// xdg-open may wait for the browser it starts, and SDL's launcher never
// learns whether it found one. So a watcher process, detached from the game
// at once, runs it, waits for it and names the page when it failed; the game
// itself waits only for the short-lived process that starts the watcher.
// Between fork and exit only async-signal-safe calls are made.
[[noreturn]] void Watch(const std::string& url, const std::string& unopened) {
    // The watcher may outlive the game: it must not keep the game's files,
    // its folder lock or its display connection open meanwhile.
    close_range(STDERR_FILENO + 1, ~0U, 0);
    const pid_t opener = fork();
    if (opener == 0) {
        execlp("xdg-open", "xdg-open", url.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    const bool opened = opener > 0 && waitpid(opener, &status, 0) == opener && WIFEXITED(status) &&
                        WEXITSTATUS(status) == 0;
    if (!opened && write(STDERR_FILENO, unopened.data(), unopened.size()) < 0)
        _exit(1);
    _exit(0);
}

bool Launch(const std::string& url, const std::string& unopened) {
    const pid_t starter = fork();
    if (starter < 0) {
        std::fputs(unopened.c_str(), stderr);
        return false;
    }
    if (starter == 0) {
        const pid_t watcher = fork();
        if (watcher == 0)
            Watch(url, unopened);
        if (watcher < 0 && write(STDERR_FILENO, unopened.data(), unopened.size()) < 0)
            _exit(1);
        _exit(0);
    }
    int status = 0;
    while (waitpid(starter, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}
#endif
}  // namespace

std::string FileUrl(const std::string& gamePath) {
    // URLs use '/' whatever the host's separator, and their path starts with
    // one even before a drive letter.
    std::string path = std::filesystem::path(FullPath(gamePath)).generic_string();
    if (path.empty() || path.front() != '/')
        path.insert(path.begin(), '/');
    return "file://" + PercentEncode(path);
}

bool OpenWebPage(const std::string& gamePath) {
    std::string url = FileUrl(gamePath);
    if (recorder) {
        recorder->Record(url);
        return true;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && std::strcmp(driver, "dummy") == 0)
        return true;
    // Without a browser the player still learns where the page is.
    return Launch(url,
                  "Vlims: no web browser opened the page; it is at " + FullPath(gamePath) + "\n");
}

WebPageRecorder::WebPageRecorder() {
    recorder = this;
}

WebPageRecorder::~WebPageRecorder() {
    recorder = nullptr;
}
