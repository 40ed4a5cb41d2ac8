#pragma once
#include <string>

// This host has no text-mode files, but the high-score file has always been
// written in text mode. These reproduce the translation byte for byte.

// Every 0x0A becomes 0x0D 0x0A; every other byte is kept.
std::string ToTextMode(const std::string& bytes);
// Every 0x0D 0x0A pair becomes 0x0A; every other byte (a lone 0x0D, 0x1A) is kept.
std::string FromTextMode(const std::string& bytes);
