#pragma once
#include <cstdint>
#include <string>

// Little-endian integers as every file of the game stores them (saved game,
// high scores, pictures, sounds), whatever the host's own byte order. The
// readers take a pointer to at least 2 or 4 bytes.

inline uint16_t ReadLe16(const void* at) {
    const auto* bytes = static_cast<const unsigned char*>(at);
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

inline uint32_t ReadLe32(const void* at) {
    const auto* bytes = static_cast<const unsigned char*>(at);
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

inline void AppendLe32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}
