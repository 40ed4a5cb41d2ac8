#pragma once
#include <cstdint>
#include <string>
#include <vector>

class SoundSystem;

// One sound effect, loaded whole from a WAV file and played from its start on
// demand. A sound that is still playing is not restarted.
class Sound {
  public:
    Sound() = default;
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Follows the game's RIFF rules: "fmt " must be the first sub-chunk, 18
    // bytes are read from it, the format tag must be 1 (PCM), and a "data"
    // chunk must follow. The samples are taken as 22050 Hz mono 16-bit
    // whatever the header says. False leaves a silent sound.
    bool LoadWav(const std::string& path, SoundSystem& system);
    bool Play(bool loop = false);  // always true: a sound that cannot play stays silent

    const std::string& Path() const { return path_; }
    const std::vector<int16_t>& Samples() const { return samples_; }
    bool Loaded() const { return loaded_; }

  private:
    friend class SoundSystem;
    void Forget();

    std::string path_;
    std::vector<int16_t> samples_;
    SoundSystem* system_ = nullptr;
    bool loaded_ = false;
};
