#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Window;
class Sound;

// The one audio device (22050 Hz, signed 16-bit). Sounds register their
// samples here; the audio callback mixes every sound that is playing. With no
// audio device the game is silent but nothing else changes.
class SoundSystem {
public:
    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    bool Create(Window* window);  // always true
    bool CreatePrimaryBuffer();   // always true
    bool Release();               // always true

    // Starts a voice for `sound` unless it is already playing (then it just
    // goes on). Returns true when a voice was started.
    bool Start(const Sound& sound);
    void Stop(const Sound& sound);
    bool IsPlaying(const Sound& sound) const;

    // Names (game paths) of sounds started since the last call, for tests.
    std::vector<std::string> TakeStarted();

    // Mixes `count` mono samples of every playing voice into `out` (sum with
    // clipping) and moves the voices on; finished voices end. Called from the
    // audio callback, and directly by tests.
    void Mix(int16_t* out, int count);

    struct Voices;

private:
    std::unique_ptr<Voices> voices_;
    uint32_t device_ = 0;
};
