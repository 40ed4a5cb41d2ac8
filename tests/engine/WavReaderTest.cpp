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

std::vector<int16_t> Read(const std::string& bytes, bool* accepted) {
    std::vector<int16_t> samples{99};
    *accepted = ReadWavSamples(bytes, samples);
    return samples;
}

TEST(WavReader, ReadsTheDataChunkAsLittleEndianSamples) {
    bool accepted = false;
    EXPECT_EQ(Read(PcmWav(kSamples), &accepted), kSamples);
    EXPECT_TRUE(accepted);
}

TEST(WavReader, FormatChunkOf16Or18BytesIsAccepted) {
    bool accepted = false;
    // 16 bytes: the two extra bytes read are the start of the data chunk's id.
    EXPECT_EQ(Read(RiffWave(PcmFormatChunk() + DataChunk()), &accepted), kSamples);
    EXPECT_TRUE(accepted);
    std::string eighteen = WavChunk("fmt ", WavFormat(1, 1, 22050, 16, true));
    EXPECT_EQ(Read(RiffWave(eighteen + DataChunk()), &accepted), kSamples);
    EXPECT_TRUE(accepted);
}

TEST(WavReader, ChannelsRateAndSampleSizeOfTheHeaderAreIgnored) {
    bool accepted = false;
    std::string stereo = WavChunk("fmt ", WavFormat(1, 2, 44100, 8));
    EXPECT_EQ(Read(RiffWave(stereo + DataChunk()), &accepted), kSamples);
    EXPECT_TRUE(accepted);
}

TEST(WavReader, RefusesAFirstSubChunkOtherThanTheFormat) {
    bool accepted = true;
    std::string list = WavChunk("LIST", std::string("INFOISFT\4\0\0\0abc\0", 16));
    EXPECT_TRUE(Read(RiffWave(list + PcmFormatChunk() + DataChunk()), &accepted).empty());
    EXPECT_FALSE(accepted);
    Read(RiffWave(DataChunk() + PcmFormatChunk()), &accepted);
    EXPECT_FALSE(accepted);
}

TEST(WavReader, RefusesFormatTagsOtherThanPcm) {
    for (uint16_t tag : {0, 2, 3, 0xFFFE}) {
        bool accepted = true;
        std::string format = WavChunk("fmt ", WavFormat(tag, 1, 22050, 16));
        Read(RiffWave(format + DataChunk()), &accepted);
        EXPECT_FALSE(accepted) << "tag " << tag;
    }
}

TEST(WavReader, SkipsChunksBetweenFormatAndDataIncludingOddPadding) {
    bool accepted = false;
    std::string fact = WavChunk("fact", "abc");  // odd: padded to 4
    EXPECT_EQ(Read(RiffWave(PcmFormatChunk() + fact + DataChunk()), &accepted), kSamples);
    EXPECT_TRUE(accepted);
}

TEST(WavReader, RefusesFilesThatAreNotWaveForms) {
    bool accepted = true;
    Read("", &accepted);
    EXPECT_FALSE(accepted);
    std::string notWave = PcmWav(kSamples);
    notWave.replace(8, 4, "AVI ");
    Read(notWave, &accepted);
    EXPECT_FALSE(accepted);
    std::string notRiff = PcmWav(kSamples);
    notRiff.replace(0, 4, "RIFX");
    Read(notRiff, &accepted);
    EXPECT_FALSE(accepted);
}

TEST(WavReader, RefusesAFormWithoutData) {
    bool accepted = true;
    Read(RiffWave(PcmFormatChunk() + WavChunk("LIST", "INFO")), &accepted);
    EXPECT_FALSE(accepted);
    Read(RiffWave(PcmFormatChunk() + WavChunk("data", "")), &accepted);
    EXPECT_FALSE(accepted);
}

// Every cut before the first sample is refused; a cut inside the samples
// keeps the whole samples before it.
TEST(WavReader, TruncatedFiles) {
    const std::string whole = PcmWav(kSamples);
    const size_t firstSample = whole.size() - 2 * kSamples.size();
    for (size_t length = 0; length < whole.size(); ++length) {
        bool accepted = false;
        std::vector<int16_t> samples = Read(whole.substr(0, length), &accepted);
        if (length < firstSample + 2) {
            EXPECT_FALSE(accepted) << "cut at " << length;
        } else {
            ASSERT_TRUE(accepted) << "cut at " << length;
            size_t count = (length - firstSample) / 2;
            EXPECT_EQ(samples, std::vector<int16_t>(kSamples.begin(), kSamples.begin() + count));
        }
    }
}

TEST(WavReader, FormatChunkAtTheVeryEndIsRefused) {
    // A 16-byte format chunk with nothing after it: the 18-byte read fails.
    bool accepted = true;
    Read(RiffWave(PcmFormatChunk()), &accepted);
    EXPECT_FALSE(accepted);
}

TEST(WavReader, HugeClaimedSizesReadOnlyWhatIsThere) {
    std::string bytes =
        RiffWave(PcmFormatChunk() + "data" + LittleEndian32(0xFFFFFFFF) + SampleBytes(kSamples));
    bytes.replace(4, 4, LittleEndian32(0xFFFFFFFF));
    bool accepted = false;
    EXPECT_EQ(Read(bytes, &accepted), kSamples);
    EXPECT_TRUE(accepted);

    std::string hugeFormat =
        RiffWave("fmt " + LittleEndian32(0xFFFFFFF0) + WavFormat(1, 1, 22050, 16) + DataChunk());
    Read(hugeFormat, &accepted);
    EXPECT_FALSE(accepted);
}
}  // namespace
