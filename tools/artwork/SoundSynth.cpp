#include "SoundSynth.h"

#include <cmath>

#include "Random.h"
#include "WavWriter.h"

namespace {

constexpr double kRate = WavWriter::kSampleRate;
constexpr double kTwoPi = 2 * M_PI;

SoundSynth::Samples Silence(double seconds) {
    return SoundSynth::Samples(size_t(seconds * kRate), 0.0);
}

double Seconds(size_t i) {
    return double(i) / kRate;
}

// Attack-decay envelope: linear rise over `attack`, exponential fall with
// time constant `decay`.
double Envelope(double t, double attack, double decay) {
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12);
}

// Adds a bell-like tone (a few inharmonic partials) starting at `start`.
void AddBell(SoundSynth::Samples& out, double start, double hz, double gain, double decay) {
    static const double kPartials[][2] = {
        {1.0, 1.0}, {2.0, 0.45}, {2.76, 0.3}, {4.07, 0.18}, {5.4, 0.1}};
    for (size_t i = size_t(start * kRate); i < out.size(); ++i) {
        const double t = Seconds(i) - start;
        double v = 0;
        for (const auto& partial : kPartials) {
            v += partial[1] * std::sin(kTwoPi * hz * partial[0] * t) *
                 std::exp(-t * partial[0] / (decay * 1.2));
        }
        out[i] += gain * v * Envelope(t, 0.002, decay);
    }
}

// Adds a brassy note: odd and even harmonics with a soft swell.
void AddBrass(SoundSynth::Samples& out, double start, double length, double hz, double gain) {
    const size_t first = size_t(start * kRate);
    const size_t last = std::min(out.size(), size_t((start + length) * kRate));
    for (size_t i = first; i < last; ++i) {
        const double t = Seconds(i) - start;
        const double swell = std::min(1.0, t / 0.02) * std::min(1.0, (length - t) / 0.04);
        const double vibrato = 1 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.2);
        double v = 0;
        for (int h = 1; h <= 6; ++h) {
            v += std::sin(kTwoPi * hz * vibrato * h * t) / (h * (h < 3 ? 1.0 : 1.6));
        }
        out[i] += gain * v * swell * (0.75 + 0.25 * std::exp(-t / 0.08));
    }
}

// A resonant band-pass (state-variable filter) over noise, centre frequency
// and level given per sample.
template <typename Centre, typename Level>
void AddFilteredNoise(SoundSynth::Samples& out, uint32_t seed, Centre centreHz, Level level,
                      double q) {
    Random random(seed);
    double low = 0;
    double band = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        const double f = 2 * std::sin(M_PI * std::min(centreHz(t), kRate / 6) / kRate);
        const double input = random.Between(-1, 1);
        low += f * band;
        const double high = input - low - band / q;
        band += f * high;
        out[i] += band * level(t);
    }
}

// A sine whose frequency follows `hz(t)`, integrated for a smooth sweep.
template <typename Hz, typename Level>
void AddSweep(SoundSynth::Samples& out, double start, double length, Hz hz, Level level) {
    double phase = 0;
    const size_t first = size_t(start * kRate);
    const size_t last = std::min(out.size(), size_t((start + length) * kRate));
    for (size_t i = first; i < last; ++i) {
        const double t = Seconds(i) - start;
        phase += kTwoPi * hz(t) / kRate;
        out[i] += std::sin(phase) * level(t);
    }
}

}  // namespace

SoundSynth::Samples SoundSynth::Click() {
    Samples out = Silence(0.05);
    AddSweep(
        out, 0, 0.05, [](double t) { return 1800 - 6000 * t; },
        [](double t) { return Envelope(t, 0.0008, 0.006); });
    AddFilteredNoise(
        out, 7, [](double) { return 3200.0; },
        [](double t) { return 0.5 * Envelope(t, 0.0005, 0.003); }, 2.0);
    return out;
}

SoundSynth::Samples SoundSynth::Pop() {
    Samples out = Silence(0.12);
    AddSweep(
        out, 0, 0.12, [](double t) { return 350 + 900 * std::exp(-t / 0.012); },
        [](double t) { return Envelope(t, 0.002, 0.03); });
    AddSweep(
        out, 0, 0.12, [](double t) { return 2 * (350 + 900 * std::exp(-t / 0.012)); },
        [](double t) { return 0.25 * Envelope(t, 0.002, 0.015); });
    return out;
}

SoundSynth::Samples SoundSynth::Zoh() {
    Samples out = Silence(0.55);
    AddFilteredNoise(
        out, 11, [](double t) { return 300 + 2600 * std::sin(M_PI * std::min(t / 0.55, 1.0)); },
        [](double t) {
            const double x = t / 0.55;
            return std::pow(std::sin(M_PI * x), 1.6) * (1 - 0.3 * x);
        },
        4.0);
    return out;
}

SoundSynth::Samples SoundSynth::Rotate() {
    Samples out = Silence(0.26);
    AddSweep(
        out, 0, 0.26, [](double t) { return 420 + 900 * t / 0.26; },
        [](double t) {
            return (0.6 + 0.4 * std::sin(kTwoPi * 38 * t)) * std::sin(M_PI * t / 0.26);
        });
    AddFilteredNoise(
        out, 13, [](double t) { return 1200 + 3000 * t / 0.26; },
        [](double t) { return 0.35 * std::sin(M_PI * t / 0.26); }, 3.0);
    return out;
}

SoundSynth::Samples SoundSynth::SwitchVlims() {
    Samples out = Silence(0.22);
    auto level = [](double t) { return Envelope(t, 0.004, 0.05); };
    AddSweep(
        out, 0, 0.11, [](double t) { return MidiToHz(72) + 900 * t; }, level);
    AddSweep(
        out, 0.1, 0.12, [](double t) { return MidiToHz(79) - 900 * t; }, level);
    return out;
}

SoundSynth::Samples SoundSynth::Score() {
    Samples out = Silence(1.05);
    const double notes[] = {84, 88, 91, 96};  // C6 E6 G6 C7
    for (int i = 0; i < 4; ++i) AddBell(out, 0.06 * i, MidiToHz(notes[i]), 1.0 - 0.12 * i, 0.38);
    return out;
}

SoundSynth::Samples SoundSynth::NextLevel() {
    Samples out = Silence(1.15);
    const double notes[] = {67, 72, 76};  // G4 C5 E5, then a held chord
    for (int i = 0; i < 3; ++i) AddBrass(out, 0.12 * i, 0.11, MidiToHz(notes[i]), 1.0);
    for (double note : {72.0, 76.0, 79.0, 84.0}) AddBrass(out, 0.38, 0.75, MidiToHz(note), 0.5);
    // The held chord dies away and is gone by the end, not cut off.
    for (size_t i = size_t(0.38 * kRate); i < out.size(); ++i) {
        const double t = Seconds(i) - 0.38;
        const double release = 0.5 + 0.5 * std::cos(M_PI * std::min(1.0, t / 0.77));
        out[i] *= std::exp(-t / 0.6) * release;
    }
    return out;
}

SoundSynth::Samples SoundSynth::Wand() {
    Samples out = Silence(0.7);
    Random random(29);
    for (int i = 0; i < 26; ++i) {
        const double start = 0.55 * std::pow(random.Unit(), 1.4);
        const double hz = random.Between(2200, 5200) + 2500 * start;
        AddBell(out, start, hz, random.Between(0.25, 0.6) * (1 - start), 0.06);
    }
    AddSweep(
        out, 0, 0.45, [](double t) { return 900 + 2400 * t / 0.45; },
        [](double t) { return 0.25 * std::sin(M_PI * t / 0.45); });
    return out;
}
