#include <gtest/gtest.h>

#include <iterator>

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

std::vector<int16_t> Read(const std::string& bytes, bool* accepted) {
    std::vector<int16_t> samples{99};
    *accepted = ReadWavSamples(bytes, samples);
    return samples;
}

// What the reader accepts: the header's channels, rate and sample size are
// ignored, a 16-byte format chunk reads two bytes of the data chunk's id, and
// sizes claimed past the end read only what is there.
TEST(WavReader, ReadsTheDataChunkAsLittleEndianSamples) {
    const std::string fact = WavChunk("fact", "abc");  // odd: padded to 4
    std::string huge =
        RiffWave(PcmFormatChunk() + "data" + LittleEndian32(0xFFFFFFFF) + SampleBytes(kSamples));
    huge.replace(4, 4, LittleEndian32(0xFFFFFFFF));
    const std::string accepted[] = {
        PcmWav(kSamples),
        RiffWave(WavChunk("fmt ", WavFormat(1, 1, 22050, 16, true)) + DataChunk()),
        RiffWave(WavChunk("fmt ", WavFormat(1, 2, 44100, 8)) + DataChunk()),
        RiffWave(PcmFormatChunk() + fact + DataChunk()),
        huge,
    };
    for (size_t i = 0; i < std::size(accepted); ++i) {
        bool ok = false;
        EXPECT_EQ(Read(accepted[i], &ok), kSamples) << "case " << i;
        EXPECT_TRUE(ok) << "case " << i;
    }
}

TEST(WavReader, RefusesWhatIsNotAPcmWaveWithData) {
    std::string notWave = PcmWav(kSamples);
    notWave.replace(8, 4, "AVI ");
    std::string notRiff = PcmWav(kSamples);
    notRiff.replace(0, 4, "RIFX");
    const std::string list = WavChunk("LIST", std::string("INFOISFT\4\0\0\0abc\0", 16));
    std::vector<std::string> refused = {
        "",
        notWave,
        notRiff,
        RiffWave(list + PcmFormatChunk() + DataChunk()),  // format must come first
        RiffWave(DataChunk() + PcmFormatChunk()),
        RiffWave(PcmFormatChunk() + WavChunk("LIST", "INFO")),
        RiffWave(PcmFormatChunk() + WavChunk("data", "")),
        RiffWave(PcmFormatChunk()),  // the 18-byte format read runs off the end
        RiffWave("fmt " + LittleEndian32(0xFFFFFFF0) + WavFormat(1, 1, 22050, 16) + DataChunk()),
    };
    for (uint16_t tag : {0, 2, 3, 0xFFFE}) {
        refused.push_back(RiffWave(WavChunk("fmt ", WavFormat(tag, 1, 22050, 16)) + DataChunk()));
    }
    for (size_t i = 0; i < refused.size(); ++i) {
        bool ok = true;
        EXPECT_TRUE(Read(refused[i], &ok).empty()) << "case " << i;
        EXPECT_FALSE(ok) << "case " << i;
    }
}

}  // namespace
