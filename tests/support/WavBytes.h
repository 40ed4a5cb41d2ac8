#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builders for RIFF WAV bytes, so tests can make exactly the file they mean.

std::string LittleEndian16(uint16_t value);
std::string LittleEndian32(uint32_t value);
// A chunk: id, size, payload, and the pad byte after an odd payload.
std::string WavChunk(const std::string& id, const std::string& payload);
// The payload of a format chunk: the 16-byte record, or 18 with an
// extra-size field of 0.
std::string WavFormat(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                      bool withExtraSize = false);
std::string SampleBytes(const std::vector<int16_t>& samples);
// "RIFF", the size of what follows, "WAVE" and the chunks.
std::string RiffWave(const std::string& chunks);
// A well-formed 22050 Hz 16-bit mono PCM file.
std::string PcmWav(const std::vector<int16_t>& samples);
