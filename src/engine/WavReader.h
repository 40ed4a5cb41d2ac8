#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The game's own RIFF rules for its sound files, applied to the bytes of a
// file. True fills `samples` with the data chunk read as signed 16-bit
// little-endian values; what the format chunk says about channels, rate and
// sample size is not used. Refused, in this order:
// - no RIFF chunk of form type "WAVE";
// - a first sub-chunk that is not "fmt " (a leading LIST chunk, say);
// - fewer than 18 bytes after the format chunk's header (a plain 16-byte
//   format chunk passes: the two extra bytes are the next chunk's start);
// - a format tag other than 1 (PCM);
// - no "data" chunk after the format chunk;
// - a data chunk without a whole sample in the file.
// A data chunk cut short by the end of the file gives the samples present.
bool ReadWavSamples(const std::string& bytes, std::vector<int16_t>& samples);
