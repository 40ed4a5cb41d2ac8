#include "platform/HostPath.h"

#include <algorithm>

#include "platform/GameFolders.h"

namespace {
GameFolders& Folders() {
    static GameFolders folders;
    return folders;
}
}  // namespace

std::string HostPath(const std::string& gamePath) {
#ifdef _WIN32
    // Windows takes the game's own backslashes as they are.
    const std::string& path = gamePath;
#else
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return Folders().Locate(path);
}

void UseGameFolders(const GameFolders& folders) {
    Folders() = folders;
}
