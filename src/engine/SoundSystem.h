#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Window;
class Sound;

// The one audio device (22050 Hz, signed 16-bit, mono). Sounds register with
// it when they load; the audio callback mixes every sound that is playing.
// With no audio device the game is silent but nothing else changes: sounds
// still start, play for their length by the clock and end.
class SoundSystem {
  public:
    static constexpr int kSampleRate = 22050;

    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // The three keep a result for callers that test it, yet cannot fail: a
    // machine without sound plays silently rather than refusing to start.
    bool Create(Window* window);  // always true
    bool CreatePrimaryBuffer();   // always true; opens the device if there is one
    bool Release();               // always true; closes the device
    // Whether sounds reach a device (it may be resting, see RestWhenQuiet).
    bool HasDevice() const { return deviceFound_; }
    bool DeviceOpen() const { return device_ != 0; }

    // Called every tick: closes the device once nothing has been mixed for
    // kQuietBeforeRest ms, because its thread wakes for every buffer even
    // with nothing to play. The next Start opens it again.
    void RestWhenQuiet();
    static constexpr uint32_t kQuietBeforeRest = 2000;

    // Starts `sound` from its beginning unless it is still playing (then it
    // just goes on). Whether it still plays is judged by the game clock, so
    // the rule holds with or without a device. A looping sound plays until
    // stopped (the game never asks for one). True when it was started.
    bool Start(const Sound& sound, bool loop = false);
    void Stop(const Sound& sound);
    bool IsPlaying(const Sound& sound) const;

    // Game paths of the sounds started since the last call, for tests: at
    // most the latest kStartedKept, as the game itself never asks.
    std::vector<std::string> TakeStarted();
    static constexpr size_t kStartedKept = 64;

    // Mixes the next `count` samples of every playing voice into `out` (sum
    // with clipping) and moves the voices on; voices whose samples run out
    // end. Called from the audio callback, and directly by tests.
    void Mix(int16_t* out, int count);
    int MixingVoices() const;

    // Sounds say when they load and when they go, so that none is left
    // pointing at a system that no longer exists.
    void Attach(Sound* sound);
    void Detach(Sound* sound);

  private:
    struct Voice {
        const Sound* sound;
        size_t position;
        bool loop;
    };
    struct Started {
        uint32_t tick;
        bool loop;
    };

    uint32_t DurationOf(const Sound& sound) const;
    bool OpenDevice();

    // Mixed by the audio thread; guarded by the device lock.
    std::vector<Voice> voices_;
    std::vector<int32_t> mixBuffer_;
    // Main thread only.
    std::map<const Sound*, Started> startTicks_;
    std::vector<std::string> started_;
    std::set<Sound*> attached_;
    uint32_t device_ = 0;
    bool deviceFound_ = false;
    uint32_t lastHeard_ = 0;
    bool audioInitialised_ = false;
};
