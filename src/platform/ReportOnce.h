#pragma once
#include <string>

// One line on stderr about a file the game could not use, the first time
// only. Pictures, sounds and fonts are loaded again on every screen entry; a
// missing one is worth saying once per run, not on every click. Files are
// told apart by their absolute path, so the same name in another working
// directory is news again.
void ReportOnce(const std::string& gamePath, const std::string& line);
