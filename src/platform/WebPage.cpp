#include "platform/WebPage.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/DiagnosticLog.h"
#include "platform/Headless.h"
#include "platform/HostPath.h"
#include "platform/WebHost.h"

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
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

#if defined(__EMSCRIPTEN__)
// The page ships beside the game's own page, so its game path is its address.
bool Launch(const std::string& gamePath, const std::string& unopened) {
    std::string relative = gamePath;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (WebOpenPage(relative))
        return true;
    DiagnosticLog::Report("web page", "%s", unopened.c_str());
    return false;
}
#elif defined(_WIN32)
bool Launch(const std::string& url, const std::string& unopened) {
    if (SDL_OpenURL(url.c_str()) == 0)
        return true;
    DiagnosticLog::Report("web page", "%s", unopened.c_str());
    return false;
}
#else
// xdg-open may wait for the browser it starts, and tells whether it found one
// only by its exit status. So a shell runs it in the background, detached
// from the game, and names the page when it failed; the game waits only for
// that shell, which returns at once. Spawning (rather than forking the game)
// keeps the game's threads and sanitizers out of the child.
bool Launch(const std::string& url, const std::string& unopened) {
    // The shell's line reaches stderr only: the game has moved on by then.
    static const char kScript[] =
        "(xdg-open \"$1\" || printf 'Vlims (web page): %s\\n' \"$2\" >&2) &";
    const char* const argv[] = {"sh", "-c", kScript, "sh", url.c_str(), unopened.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // It may outlive the game: it must not keep the game's files, its folder
    // lock or its display connection open meanwhile.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    pid_t shell = 0;
    const int error =
        posix_spawn(&shell, "/bin/sh", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        DiagnosticLog::Report("web page", "%s", unopened.c_str());
        return false;
    }
    int status = 0;
    while (waitpid(shell, &status, 0) < 0 && errno == EINTR) {
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
    // Without a browser, or without a screen, the player still learns where
    // the page is.
    if (!HasScreen()) {
        DiagnosticLog::Report("web page", "no screen to open the page on; it is at %s",
                              FullPath(gamePath).c_str());
        return true;
    }
#ifdef __EMSCRIPTEN__
    url = gamePath;
#endif
    return Launch(url, "no web browser opened the page; it is at " + FullPath(gamePath));
}

WebPageRecorder::WebPageRecorder() {
    recorder = this;
}

WebPageRecorder::~WebPageRecorder() {
    recorder = nullptr;
}
