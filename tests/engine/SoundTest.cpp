#include <gtest/gtest.h>

#include <vector>

#include "engine/Sound.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

namespace {
constexpr int kTenthOfASecond = 2205;  // samples at 22050 Hz

class SoundTest : public ::testing::Test {
  protected:
    // Loads Sounds\<name>.wav, made of `count` samples of `value`.
    void Load(Sound& sound, const std::string& name, int count, int16_t value = 1000,
              SoundSystem* system = nullptr) {
        dir_.WriteFile("Sounds/" + name + ".wav", PcmWav(std::vector<int16_t>(count, value)));
        ASSERT_TRUE(sound.LoadWav("Sounds\\" + name + ".wav", system ? *system : system_));
    }
    std::vector<int16_t> Mix(int count) {
        std::vector<int16_t> out(static_cast<size_t>(count), 7);
        system_.Mix(out.data(), count);
        return out;
    }

    TempWorkDir dir_;
    ManualClock clock_{5000};
    SoundSystem system_;  // never created: no device, as on a machine without sound
};

// The second start has the sound end after the 32-bit tick count wraps.
TEST_F(SoundTest, PlaysItsLengthWithoutRestartingWhilePlayingAcrossTheWrap) {
    Sound sound;
    Load(sound, "Click", kTenthOfASecond);
    for (uint32_t start : {5000u, 0xFFFFFFC0u}) {
        clock_.Set(start);
        sound.Play();
        EXPECT_EQ(system_.TakeStarted(), std::vector<std::string>{"Sounds\\Click.wav"});
        clock_.Advance(60);
        Mix(100);      // the device has moved 100 samples on
        sound.Play();  // a second click within the first
        EXPECT_TRUE(system_.TakeStarted().empty());
        EXPECT_EQ(system_.MixingVoices(), 1);
        clock_.Advance(39);
        EXPECT_TRUE(system_.IsPlaying(sound));
        clock_.Advance(1);
        EXPECT_FALSE(system_.IsPlaying(sound)) << "start " << start;
    }
    // A long game restarts sounds without end, and nobody takes the record.
    for (int i = 0; i < 1000; ++i) {
        sound.Play();
        clock_.Advance(100);
    }
    EXPECT_EQ(system_.TakeStarted().size(), SoundSystem::kStartedKept);
    EXPECT_EQ(system_.MixingVoices(), 1);
}

TEST_F(SoundTest, SoundsMixBySumClippedAndEndWithTheirSamples) {
    Sound low, high, deep, deeper;
    Load(low, "Low", 3, 1000);
    Load(high, "High", 5, 32000);
    Load(deep, "Deep", 2, -32000);
    Load(deeper, "Deeper", 1, -20000);
    low.Play();
    high.Play();
    deep.Play();
    EXPECT_EQ(Mix(6), (std::vector<int16_t>{1000, 1000, 32767, 32000, 32000, 0}));
    EXPECT_EQ(system_.MixingVoices(), 0);
    clock_.Advance(1000);
    deep.Play();
    deeper.Play();
    EXPECT_EQ(Mix(2), (std::vector<int16_t>{-32768, -32000}));
}

// The device mixes from the sounds' own samples: none may be read once its
// sound is gone or holds other samples.
TEST_F(SoundTest, NoSamplesAreMixedAfterTheirSoundChangesOrGoes) {
    {
        Sound gone;
        Load(gone, "Zoh", kTenthOfASecond);
        gone.Play();
    }
    EXPECT_EQ(Mix(1), std::vector<int16_t>{0});
    Sound sound;
    Load(sound, "A", kTenthOfASecond, 5);
    sound.Play();
    Load(sound, "B", 10, 9);
    EXPECT_FALSE(system_.IsPlaying(sound));
    sound.Play();
    EXPECT_EQ(Mix(1), std::vector<int16_t>{9});
}

// The device's thread wakes for every buffer, so a quiet game closes it.
TEST_F(SoundTest, RestsTheDeviceWhenQuietAndWakesItForTheNextSound) {
    clock_.Set(0xFFFFFF00u);  // the quiet time runs across the tick wrap
    SoundSystem system;
    EXPECT_TRUE(system.Create(nullptr));
    EXPECT_TRUE(system.CreatePrimaryBuffer());
    Sound sound;
    Load(sound, "Click", kTenthOfASecond, 100, &system);
    clock_.Advance(SoundSystem::kQuietBeforeRest - 1);
    system.RestWhenQuiet();
    EXPECT_TRUE(system.DeviceOpen());
    clock_.Advance(1);
    system.RestWhenQuiet();
    EXPECT_FALSE(system.DeviceOpen());
    EXPECT_TRUE(system.HasDevice());
    EXPECT_TRUE(sound.Play());
    EXPECT_TRUE(system.DeviceOpen());
}
}  // namespace
