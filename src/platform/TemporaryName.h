#pragma once
#include <string>

// The temporary file a save writes before it replaces the real one is named
// "<file>.tmp-XXXXXX" (six letters or digits) on every host, so that a sweep
// on start-up finds exactly the ones a killed save left behind.
inline constexpr const char* kTemporaryMark = ".tmp-";
inline constexpr size_t kTemporarySuffixLength = 6;

bool IsTemporaryName(const std::string& fileName);
