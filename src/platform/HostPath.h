#pragma once
#include <string>

// The game names its files as it always has, with backslashes
// ("Data\Info.dat"). This is the one place that turns such a name into a path
// the host understands; nothing else knows about separators.
std::string HostPath(const std::string& gamePath);
