#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kFadeSeconds = 0.004;

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xff));
}

void Normalise(std::vector<double>& samples) {
    double peak = 0;
    for (double s : samples) peak = std::max(peak, std::abs(s));
    if (peak <= 0)
        return;
    const double gain = std::pow(10.0, WavWriter::kPeakDbfs / 20.0) / peak;
    for (double& s : samples) s *= gain;
}

// Short raised-cosine fades so that nothing clicks at either end.
void Fade(std::vector<double>& samples) {
    const size_t fade = std::min(samples.size() / 2, size_t(kFadeSeconds * WavWriter::kSampleRate));
    for (size_t i = 0; i < fade; ++i) {
        const double gain = 0.5 - 0.5 * std::cos(M_PI * double(i) / double(fade));
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

}  // namespace

std::string WavWriter::Encode(std::vector<double> samples) {
    Fade(samples);
    Normalise(samples);
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::string out;
    out += "RIFF";
    PutLittleEndian(out, 4 + 8 + 16 + 8 + dataBytes, 4);
    out += "WAVE";
    out += "fmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, 1, 2);  // mono
    PutLittleEndian(out, kSampleRate, 4);
    PutLittleEndian(out, kSampleRate * 2, 4);  // bytes per second
    PutLittleEndian(out, 2, 2);                // block align
    PutLittleEndian(out, 16, 2);               // bits per sample
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (double s : samples) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        PutLittleEndian(out, uint32_t(int16_t(value)) & 0xffffu, 2);
    }
    return out;
}
