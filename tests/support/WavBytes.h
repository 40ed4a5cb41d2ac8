#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builders for RIFF WAV bytes, so tests can make exactly the file they mean.

inline std::string LittleEndian16(uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline std::string LittleEndian32(uint32_t value) {
    return LittleEndian16(static_cast<uint16_t>(value & 0xFFFF)) +
           LittleEndian16(static_cast<uint16_t>(value >> 16));
}

// A chunk: id, size, payload, and the pad byte after an odd payload.
inline std::string WavChunk(const std::string& id, const std::string& payload) {
    std::string chunk = id + LittleEndian32(static_cast<uint32_t>(payload.size())) + payload;
    if (payload.size() % 2)
        chunk.push_back('\0');
    return chunk;
}

// The payload of a format chunk: the 16-byte record.
inline std::string WavFormat(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    return LittleEndian16(tag) + LittleEndian16(channels) + LittleEndian32(rate) +
           LittleEndian32(rate * blockAlign) + LittleEndian16(blockAlign) + LittleEndian16(bits);
}

inline std::string SampleBytes(const std::vector<int16_t>& samples) {
    std::string bytes;
    for (int16_t sample : samples) bytes += LittleEndian16(static_cast<uint16_t>(sample));
    return bytes;
}

// "RIFF", the size of what follows, "WAVE" and the chunks.
inline std::string RiffWave(const std::string& chunks) {
    return "RIFF" + LittleEndian32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

// A well-formed 22050 Hz 16-bit mono PCM file.
inline std::string PcmWav(const std::vector<int16_t>& samples) {
    return RiffWave(WavChunk("fmt ", WavFormat(1, 1, 22050, 16)) +
                    WavChunk("data", SampleBytes(samples)));
}
