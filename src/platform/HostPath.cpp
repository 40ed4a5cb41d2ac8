#include "platform/HostPath.h"

#include <algorithm>

std::string HostPath(const std::string& gamePath) {
#ifdef _WIN32
    // Windows takes the game's own backslashes as they are.
    return gamePath;
#else
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
#endif
}
