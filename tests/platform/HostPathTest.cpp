#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/HostPath.h"

namespace {

// The game's backslashes with the host's own separator ('/' on Linux; on
// Windows they stay backslashes).
std::string WithHostSeparator(std::string path) {
    std::replace(path.begin(), path.end(), '\\',
                 static_cast<char>(std::filesystem::path::preferred_separator));
    return path;
}

TEST(HostPath, BackslashesBecomeTheHostsSeparator) {
    for (const char* gamePath :
         {"Data\\Info.dat", "Graphics\\Gui\\Play Game Button Pushed.bmp", "Direct Draw 5 Log.txt"})
        EXPECT_EQ(HostPath(gamePath), WithHostSeparator(gamePath)) << gamePath;
}

}  // namespace
