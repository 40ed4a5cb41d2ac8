#pragma once
#include <string>

// How many games of a variant have been started, kept as one decimal number in
// a text file ("Data\Help.dat" for Normal, "Data\Help2.dat" for Rotational).
// The start help is shown while the number read is below kHelpGames; a
// missing file reads as 1, so that is the first two games.
class HelpCounter {
  public:
    static constexpr const char* kNormalFile = "Data\\Help.dat";
    static constexpr const char* kRotationalFile = "Data\\Help2.dat";
    static constexpr int kHelpGames = 3;

    // The number in the file, after writing that number plus one back. A
    // count the game cannot have written (missing, not a number, below 1 or
    // too large) is 1.
    static int ReadAndRaise(const std::string& gamePath);
    // The number a file's text holds by the rule above.
    static int Parse(const std::string& text);
};
