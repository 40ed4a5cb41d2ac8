#include "platform/WebPage.h"

#include <SDL.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/HostPath.h"

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
}  // namespace

std::string FileUrl(const std::string& gamePath) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(HostPath(gamePath), error);
    // URLs use '/' whatever the host's separator, and their path starts with
    // one even before a drive letter.
    std::string path = error ? std::filesystem::path(HostPath(gamePath)).generic_string()
                             : absolute.lexically_normal().generic_string();
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
    // SDL hands the URL to the desktop without waiting for the browser: it
    // forks the launcher on Linux and asks the shell (ShellExecuteW) on Windows.
    if (SDL_OpenURL(url.c_str()) != 0) {
        std::fprintf(stderr, "Vlims: could not open \"%s\": %s\n", url.c_str(), SDL_GetError());
        return false;
    }
    return true;
}

WebPageRecorder::WebPageRecorder() {
    recorder = this;
}

WebPageRecorder::~WebPageRecorder() {
    recorder = nullptr;
}
