#include <gtest/gtest.h>

#include "engine/WavReader.h"
#include "support/WavBytes.h"

namespace {
const std::vector<int16_t> kSamples{0, 1, -1, 32767, -32768, 1234};

std::string PcmFormatChunk() {
    return WavChunk("fmt ", WavFormat(1, 1, 22050, 16));
}
std::string DataChunk() {
    return WavChunk("data", SampleBytes(kSamples));
}

// What the reader accepts: the header's channels, rate and sample size are
// ignored, a 16-byte format chunk reads two bytes of the data chunk's id, and
// sizes claimed past the end read only what is there. What it refuses leaves
// no samples behind.
TEST(WavReader, ReadsTheDataChunkOfAPcmWaveAsLittleEndianSamplesAndRefusesTheRest) {
    std::string huge =
        RiffWave(PcmFormatChunk() + "data" + LittleEndian32(0xFFFFFFFF) + SampleBytes(kSamples));
    huge.replace(4, 4, LittleEndian32(0xFFFFFFFF));
    std::string notWave = PcmWav(kSamples);
    notWave.replace(8, 4, "AVI ");
    std::string notRiff = PcmWav(kSamples);
    notRiff.replace(0, 4, "RIFX");
    const std::string list = WavChunk("LIST", std::string("INFOISFT\4\0\0\0abc\0", 16));
    std::vector<std::pair<std::string, bool>> cases = {
        {PcmWav(kSamples), true},
        {RiffWave(WavChunk("fmt ", WavFormat(1, 1, 22050, 16) + LittleEndian16(0)) + DataChunk()),
         true},
        {RiffWave(WavChunk("fmt ", WavFormat(1, 2, 44100, 8)) + DataChunk()), true},
        {RiffWave(PcmFormatChunk() + WavChunk("fact", "abc") + DataChunk()), true},  // odd: padded
        {huge, true},
        {"", false},
        {notWave, false},
        {notRiff, false},
        {RiffWave(list + PcmFormatChunk() + DataChunk()), false},  // format must come first
        {RiffWave(PcmFormatChunk() + WavChunk("LIST", "INFO")), false},
        {RiffWave(PcmFormatChunk() + WavChunk("data", "")), false},
        {RiffWave(PcmFormatChunk()), false},  // the 18-byte format read runs off the end
        {RiffWave("fmt " + LittleEndian32(0xFFFFFFF0) + WavFormat(1, 1, 22050, 16) + DataChunk()),
         false},
    };
    for (uint16_t tag : {0, 2, 3, 0xFFFE})
        cases.push_back(
            {RiffWave(WavChunk("fmt ", WavFormat(tag, 1, 22050, 16)) + DataChunk()), false});
    for (size_t i = 0; i < cases.size(); ++i) {
        std::vector<int16_t> samples{99};
        EXPECT_EQ(ReadWavSamples(cases[i].first, samples), cases[i].second) << "case " << i;
        EXPECT_EQ(samples, cases[i].second ? kSamples : std::vector<int16_t>{}) << "case " << i;
    }
}
}  // namespace
