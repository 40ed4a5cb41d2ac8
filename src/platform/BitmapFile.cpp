#include "platform/BitmapFile.h"

#include <SDL.h>

#include <cstdint>

#include "platform/FileIo.h"
#include "platform/LittleEndian.h"

namespace {
// The game's pictures are at most a few hundred pixels a side.
constexpr int64_t kLargestPicturePixels = int64_t{4096} * 4096;
// Every picture file of the game is well under this (the largest is under
// 1 MB); a bigger file is read only this far and then fails to load.
constexpr size_t kLargestFileBytes = 2048 * 2048 * 4 + 4096;

// Width x height as the BMP header claims it, or 0 when the stream is too
// short to hold one (SDL's loader then says what is wrong). The stream is left
// at its start.
int64_t ClaimedPixels(SDL_RWops* stream) {
    uint8_t header[26];
    size_t got = SDL_RWread(stream, header, 1, sizeof header);
    SDL_RWseek(stream, 0, RW_SEEK_SET);
    if (got < sizeof header)
        return 0;
    auto le16 = [&](int at) { return static_cast<int64_t>(ReadLe16(header + at)); };
    auto le32 = [&](int at) {
        return static_cast<int64_t>(static_cast<int32_t>(ReadLe32(header + at)));
    };
    // The old 12-byte core header has 16-bit sizes; every later one 32-bit.
    const bool coreHeader = le32(14) == 12;
    int64_t width = coreHeader ? le16(18) : le32(18);
    int64_t height = coreHeader ? le16(20) : le32(22);
    return (width < 0 ? -width : width) * (height < 0 ? -height : height);
}
}  // namespace

SDL_Surface* LoadBitmapFile(const std::string& hostPath) {
    FileRead file = ReadFileCarefully(hostPath, kLargestFileBytes);
    if (!file.bytes) {
        SDL_SetError("%s", file.present ? file.problem.c_str() : "no such file");
        return nullptr;
    }
    // SDL reads the picture from the bytes read here, so it never opens the
    // path itself (which might be a pipe that never answers).
    SDL_RWops* stream =
        SDL_RWFromConstMem(file.bytes->data(), static_cast<int>(file.bytes->size()));
    if (!stream)
        return nullptr;
    if (ClaimedPixels(stream) > kLargestPicturePixels) {
        SDL_RWclose(stream);
        SDL_SetError("the file claims an impossible picture size");
        return nullptr;
    }
    return SDL_LoadBMP_RW(stream, 1);
}
