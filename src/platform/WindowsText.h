#pragma once
// Windows only: the game keeps its strings in UTF-8, Windows' file functions
// take UTF-16, and its error codes are numbers.
#ifdef _WIN32
#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
// The system's own sentence for a GetLastError() code.
std::string WindowsErrorText(unsigned long error);
#endif
