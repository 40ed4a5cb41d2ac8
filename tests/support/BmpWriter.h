#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "support/WavBytes.h"

// Bytes of a 24-bit bottom-up BMP file whose pixel (x, y) is colour(x, y)
// as 0xRRGGBB. Lets tests make pictures without any artwork.
inline std::string MakeBmp(int width, int height,
                           const std::function<uint32_t(int x, int y)>& colour) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    // File header, then a 40-byte info header: one plane, 24 bits, no compression.
    std::string out = "BM" + LittleEndian32(54 + imageBytes) + LittleEndian32(0) +
                      LittleEndian32(54) + LittleEndian32(40) +
                      LittleEndian32(static_cast<uint32_t>(width)) +
                      LittleEndian32(static_cast<uint32_t>(height)) + LittleEndian16(1) +
                      LittleEndian16(24) + LittleEndian32(0) + LittleEndian32(imageBytes) +
                      LittleEndian32(2835) + LittleEndian32(2835) + std::string(8, '\0');
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) row += LittleEndian32(colour(x, y)).substr(0, 3);
        row.resize(rowBytes, '\0');
        out += row;
    }
    return out;
}
