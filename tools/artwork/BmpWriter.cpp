#include "BmpWriter.h"

#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xff));
}

}  // namespace

std::string BmpWriter::Encode(const Canvas& canvas) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = uint32_t(rowBytes) * uint32_t(height);
    const uint32_t headerBytes = 14 + 40;
    std::string out;
    out.reserve(headerBytes + imageBytes);
    out += "BM";
    PutLittleEndian(out, headerBytes + imageBytes, 4);
    PutLittleEndian(out, 0, 4);  // reserved
    PutLittleEndian(out, headerBytes, 4);
    PutLittleEndian(out, 40, 4);  // BITMAPINFOHEADER
    PutLittleEndian(out, uint32_t(width), 4);
    PutLittleEndian(out, uint32_t(height), 4);  // positive: bottom-up
    PutLittleEndian(out, 1, 2);                 // planes
    PutLittleEndian(out, 24, 2);                // bits per pixel
    PutLittleEndian(out, 0, 4);                 // BI_RGB
    PutLittleEndian(out, imageBytes, 4);
    PutLittleEndian(out, 2835, 4);  // 72 dpi
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    const std::vector<Rgb> pixels = canvas.Pixels();
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb rgb = pixels[size_t(y) * size_t(width) + size_t(x)];
            out.push_back(char(rgb.b));
            out.push_back(char(rgb.g));
            out.push_back(char(rgb.r));
        }
        out.append(size_t(rowBytes - width * 3), '\0');
    }
    return out;
}
