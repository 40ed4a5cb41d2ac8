#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Bytes of a 24-bit bottom-up BMP file whose pixel (x, y) is colour(x, y)
// as 0xRRGGBB. Lets tests make pictures without any artwork.
std::string MakeBmp(int width, int height, const std::function<uint32_t(int x, int y)>& colour);
