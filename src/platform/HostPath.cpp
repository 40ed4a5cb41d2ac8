#include "platform/HostPath.h"

#include <algorithm>

std::string HostPath(const std::string& gamePath) {
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
