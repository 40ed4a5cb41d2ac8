#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "engine/Sound.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "support/ScopedEnv.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

namespace {
// 2205 samples: exactly 100 ms at 22050 Hz.
constexpr int kTenthOfASecond = 2205;

class SoundTest : public ::testing::Test {
  protected:
    // A file of `count` samples of `value` under Sounds/.
    void WriteSound(const std::string& name, int count, int16_t value = 1000) {
        dir_.WriteFile("Sounds/" + name, PcmWav(std::vector<int16_t>(count, value)));
    }

    TempWorkDir dir_;
    ManualClock clock_{5000};
    SoundSystem system_;  // never created: no device, as on a machine without sound
};

TEST_F(SoundTest, AMissingOrRefusedFileGivesASilentSoundAndOneLine) {
    dir_.WriteFile("Sounds/Bad.wav", "RIFF\0\0\0\0WAVE");
    for (const char* path : {"Sounds\\Missing.wav", "Sounds\\Bad.wav"}) {
        Sound sound;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(sound.LoadWav(path, system_));
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(path), std::string::npos) << err;
        EXPECT_TRUE(sound.Play());
        EXPECT_FALSE(system_.IsPlaying(sound));
    }
    EXPECT_TRUE(system_.TakeStarted().empty());
}

// A long game starts sounds without end and nobody takes the record.
TEST_F(SoundTest, TheRecordOfStartedSoundsStaysSmall) {
    WriteSound("Click.wav", 10);
    Sound sound;
    ASSERT_TRUE(sound.LoadWav("Sounds\\Click.wav", system_));
    for (int i = 0; i < 1000; ++i) {
        EXPECT_TRUE(system_.Start(sound));
        clock_.Advance(10);
    }
    EXPECT_EQ(system_.TakeStarted().size(), SoundSystem::kStartedKept);
}

TEST_F(SoundTest, LoadsByTheGamesPathAndPlaysWithoutRestartWhilePlaying) {
    WriteSound("Click.wav", kTenthOfASecond);
    Sound sound;
    ASSERT_TRUE(sound.LoadWav("Sounds\\Click.wav", system_));
    EXPECT_EQ(sound.Samples().size(), static_cast<size_t>(kTenthOfASecond));
    // The second start has the sound end after the 32-bit tick count wraps.
    for (uint32_t start : {5000u, 0xFFFFFFC0u}) {
        clock_.Set(start);
        sound.Play();
        EXPECT_EQ(system_.TakeStarted(), std::vector<std::string>{"Sounds\\Click.wav"});
        clock_.Advance(60);
        int16_t out[100];
        system_.Mix(out, 100);  // the device has moved 100 samples on
        sound.Play();           // a second click within the first
        EXPECT_TRUE(system_.TakeStarted().empty());
        EXPECT_EQ(system_.MixingVoices(), 1);

        clock_.Advance(39);
        EXPECT_TRUE(system_.IsPlaying(sound));
        clock_.Advance(1);
        EXPECT_FALSE(system_.IsPlaying(sound)) << "start " << start;
    }
    sound.Play();  // finished: plays again from its beginning, once
    EXPECT_EQ(system_.TakeStarted().size(), 1u);
    EXPECT_EQ(system_.MixingVoices(), 1);
}

TEST_F(SoundTest, SeveralSoundsMixBySumWithClipping) {
    WriteSound("Low.wav", 3, 1000);
    WriteSound("High.wav", 5, 32000);
    WriteSound("Deep.wav", 2, -32000);
    Sound low, high, deep;
    ASSERT_TRUE(low.LoadWav("Sounds\\Low.wav", system_));
    ASSERT_TRUE(high.LoadWav("Sounds\\High.wav", system_));
    ASSERT_TRUE(deep.LoadWav("Sounds\\Deep.wav", system_));

    low.Play();
    int16_t out[4] = {7, 7, 7, 7};
    system_.Mix(out, 2);
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(out[1], 1000);

    high.Play();
    system_.Mix(out, 2);
    EXPECT_EQ(out[0], 32767);  // 33000 clipped
    EXPECT_EQ(out[1], 32000);  // low has ended
    EXPECT_EQ(system_.MixingVoices(), 1);

    deep.Play();
    system_.Mix(out, 4);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(out[2], 32000);
    EXPECT_EQ(out[3], 0);  // everything has ended: silence
    EXPECT_EQ(system_.MixingVoices(), 0);

    Sound deeper;
    WriteSound("Deeper.wav", 1, -20000);
    ASSERT_TRUE(deeper.LoadWav("Sounds\\Deeper.wav", system_));
    clock_.Advance(1000);
    deep.Play();
    deeper.Play();
    system_.Mix(out, 1);
    EXPECT_EQ(out[0], -32768);  // -52000 clipped
}

TEST_F(SoundTest, ASoundThatGoesAwayStopsPlaying) {
    WriteSound("Zoh.wav", kTenthOfASecond);
    {
        Sound sound;
        ASSERT_TRUE(sound.LoadWav("Sounds\\Zoh.wav", system_));
        sound.Play();
        EXPECT_EQ(system_.MixingVoices(), 1);
    }
    EXPECT_EQ(system_.MixingVoices(), 0);
    int16_t out[8];
    system_.Mix(out, 8);  // must not touch the freed samples
    EXPECT_EQ(out[0], 0);
}

TEST_F(SoundTest, ReloadingAPlayingSoundStopsTheOldSamples) {
    WriteSound("A.wav", kTenthOfASecond, 5);
    WriteSound("B.wav", 10, 9);
    Sound sound;
    ASSERT_TRUE(sound.LoadWav("Sounds\\A.wav", system_));
    sound.Play();
    ASSERT_TRUE(sound.LoadWav("Sounds\\B.wav", system_));
    EXPECT_FALSE(system_.IsPlaying(sound));
    sound.Play();
    int16_t out[1];
    system_.Mix(out, 1);
    EXPECT_EQ(out[0], 9);
}

TEST(SoundSystemLifetime, ASoundOutlivingItsSystemIsSilent) {
    TempWorkDir dir;
    dir.WriteFile("Sounds/Click.wav", PcmWav({1, 2, 3}));
    Sound sound;
    {
        SoundSystem system;
        ASSERT_TRUE(sound.LoadWav("Sounds\\Click.wav", system));
    }
    EXPECT_TRUE(sound.Play());
}

TEST(SoundSystemDevice, NoAudioDeviceMeansSilenceNotFailure) {
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    TempWorkDir dir;
    ManualClock clock;
    dir.WriteFile("Sounds/Click.wav", PcmWav(std::vector<int16_t>(kTenthOfASecond, 100)));
    SoundSystem system;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(system.Create(nullptr));
    EXPECT_TRUE(system.CreatePrimaryBuffer());
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(system.HasDevice());
    Sound sound;
    ASSERT_TRUE(sound.LoadWav("Sounds\\Click.wav", system));
    EXPECT_TRUE(sound.Play());
    EXPECT_TRUE(system.IsPlaying(sound));
    clock.Advance(100);
    EXPECT_FALSE(system.IsPlaying(sound));
    EXPECT_TRUE(system.Release());
}

// The device's thread wakes for every buffer, so a quiet game closes it.
TEST(SoundSystemDevice, RestsTheDeviceWhenQuietAndWakesItForTheNextSound) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    TempWorkDir dir;
    ManualClock clock(0xFFFFFF00u);  // the quiet time runs across the tick wrap
    dir.WriteFile("Sounds/Click.wav", PcmWav(std::vector<int16_t>(kTenthOfASecond, 100)));
    SoundSystem system;
    EXPECT_TRUE(system.Create(nullptr));
    EXPECT_TRUE(system.CreatePrimaryBuffer());
    Sound sound;
    ASSERT_TRUE(sound.LoadWav("Sounds\\Click.wav", system));
    clock.Advance(SoundSystem::kQuietBeforeRest - 1);
    system.RestWhenQuiet();
    EXPECT_TRUE(system.DeviceOpen());
    clock.Advance(1);
    system.RestWhenQuiet();
    EXPECT_FALSE(system.DeviceOpen());
    EXPECT_TRUE(system.HasDevice());

    EXPECT_TRUE(sound.Play());
    EXPECT_TRUE(system.DeviceOpen());
    EXPECT_TRUE(system.Release());
    EXPECT_FALSE(system.HasDevice());
}
}  // namespace
