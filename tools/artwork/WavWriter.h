#pragma once
#include <string>
#include <vector>

// Writes sounds as 22050 Hz, 16-bit, mono PCM WAV files with the format
// chunk first, the layout the game's sound reader insists on.
class WavWriter {
  public:
    static constexpr int kSampleRate = 22050;
    // Peaks of every effect sit at this level, a little under full scale.
    static constexpr double kPeakDbfs = -3.0;

    // Scales the samples so that their peak is kPeakDbfs, fades the first
    // and last few milliseconds and encodes them.
    static std::string Encode(std::vector<double> samples);
};
