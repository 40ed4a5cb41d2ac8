#include "support/BmpWriter.h"

namespace {
void Put32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 255));
}
void Put16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 255));
    out.push_back(static_cast<char>(value >> 8));
}
}  // namespace

std::string MakeBmp(int width, int height, const std::function<uint32_t(int x, int y)>& colour) {
    uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    std::string out = "BM";
    Put32(out, 54 + imageBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            uint32_t c = colour(x, y);
            row.push_back(static_cast<char>(c & 255));
            row.push_back(static_cast<char>((c >> 8) & 255));
            row.push_back(static_cast<char>((c >> 16) & 255));
        }
        row.resize(rowBytes, '\0');
        out += row;
    }
    return out;
}
