#include "engine/WavReader.h"

#include <algorithm>
#include <cstring>

#include "platform/LittleEndian.h"

namespace {
// One chunk as the multimedia file functions see it: its id, its claimed
// size and where its data starts. Offsets are 64-bit so no claimed size can
// overflow them.
struct Chunk {
    char id[4];
    uint64_t size;
    uint64_t dataOffset;
};

// The chunk header at `offset`, if its 8 bytes lie before `end`.
bool ReadChunkHeader(const std::string& bytes, uint64_t offset, uint64_t end, Chunk& chunk) {
    if (offset + 8 > end)
        return false;
    std::memcpy(chunk.id, bytes.data() + offset, 4);
    chunk.size = ReadLe32(bytes.data() + offset + 4);
    chunk.dataOffset = offset + 8;
    return true;
}

bool HasId(const Chunk& chunk, const char* id) {
    return std::memcmp(chunk.id, id, 4) == 0;
}

// Chunks are padded to an even length.
uint64_t NextChunkOffset(const Chunk& chunk) {
    return chunk.dataOffset + chunk.size + (chunk.size & 1);
}

// Looks through the chunks from `offset` to `end` for one with `id`.
bool FindChunk(const std::string& bytes, uint64_t offset, uint64_t end, const char* id,
               Chunk& found) {
    while (ReadChunkHeader(bytes, offset, end, found)) {
        if (HasId(found, id))
            return true;
        offset = NextChunkOffset(found);
    }
    return false;
}

// The top-level RIFF chunk of form type "WAVE"; its sub-chunks start after
// the form type.
bool FindWaveForm(const std::string& bytes, Chunk& riff) {
    uint64_t offset = 0;
    const uint64_t fileEnd = bytes.size();
    while (FindChunk(bytes, offset, fileEnd, "RIFF", riff)) {
        if (riff.dataOffset + 4 <= fileEnd &&
            std::memcmp(bytes.data() + riff.dataOffset, "WAVE", 4) == 0) {
            return true;
        }
        offset = NextChunkOffset(riff);
    }
    return false;
}
}  // namespace

bool ReadWavSamples(const std::string& bytes, std::vector<int16_t>& samples) {
    samples.clear();
    const uint64_t fileEnd = bytes.size();
    Chunk riff{};
    if (!FindWaveForm(bytes, riff))
        return false;
    const uint64_t formEnd = std::min(riff.dataOffset + riff.size, fileEnd);

    Chunk format{};
    if (!ReadChunkHeader(bytes, riff.dataOffset + 4, formEnd, format) || !HasId(format, "fmt ")) {
        return false;
    }
    // The reader takes a whole wave format record, extra-size field included,
    // whatever the chunk's own size.
    constexpr uint64_t kFormatRecordBytes = 18;
    if (format.dataOffset + kFormatRecordBytes > fileEnd)
        return false;
    constexpr uint16_t kPcm = 1;
    if (ReadLe16(bytes.data() + format.dataOffset) != kPcm)
        return false;

    Chunk data{};
    if (!FindChunk(bytes, NextChunkOffset(format), formEnd, "data", data))
        return false;
    const uint64_t available = data.dataOffset < fileEnd ? fileEnd - data.dataOffset : 0;
    const uint64_t count = std::min<uint64_t>(data.size, available) / 2;
    if (count == 0)
        return false;
    samples.resize(static_cast<size_t>(count));
    for (uint64_t i = 0; i < count; ++i) {
        samples[static_cast<size_t>(i)] =
            static_cast<int16_t>(ReadLe16(bytes.data() + data.dataOffset + 2 * i));
    }
    return true;
}
