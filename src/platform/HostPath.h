#pragma once
#include <string>

class GameFolders;

// The game names its files as it always has, with backslashes
// ("Data\Info.dat"). This is the one place that turns such a name into a path
// the host understands: the host's separators, in the folder where that file
// lives (see GameFolders). Nothing else knows about separators or folders.
std::string HostPath(const std::string& gamePath);

// Sets the folders HostPath places files in, once at start-up. Until then,
// and in tests, every path is relative to the working directory.
void UseGameFolders(const GameFolders& folders);
