#pragma once
#include <string>
#include <vector>

// Opens a page that ships in the game folder (a game path such as
// "Help\Hints.html", relative to the working directory) in the browser. It
// never blocks; when no browser opens the page, its full path is said on
// stderr so that the player can open it by hand. False when the request
// could not even be made.
bool OpenWebPage(const std::string& gamePath);

// The file:// URL for a game path, made absolute from the working directory.
std::string FileUrl(const std::string& gamePath);

// For tests: while a WebPageRecorder lives, URLs are recorded instead of
// opened. Without a screen (see HasScreen) nothing is opened either.
class WebPageRecorder {
  public:
    WebPageRecorder();
    ~WebPageRecorder();
    WebPageRecorder(const WebPageRecorder&) = delete;
    WebPageRecorder& operator=(const WebPageRecorder&) = delete;

    const std::vector<std::string>& Opened() const { return opened_; }
    void Record(const std::string& url) { opened_.push_back(url); }

  private:
    std::vector<std::string> opened_;
};
