#include "engine/SoundSystem.h"

#include <SDL.h>

#include <algorithm>
#include <climits>

#include "engine/Sound.h"
#include "platform/Clock.h"
#include "platform/DiagnosticLog.h"

namespace {
// Holds the audio device's lock for a scope, so the callback never sees the
// voice list in the middle of a change.
class AudioLock {
  public:
    explicit AudioLock(SDL_AudioDeviceID device) : device_(device) {
        if (device_)
            SDL_LockAudioDevice(device_);
    }
    ~AudioLock() {
        if (device_)
            SDL_UnlockAudioDevice(device_);
    }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;

  private:
    SDL_AudioDeviceID device_;
};

void AudioCallback(void* userdata, Uint8* stream, int length) {
    static_cast<SoundSystem*>(userdata)->Mix(reinterpret_cast<int16_t*>(stream),
                                             length / static_cast<int>(sizeof(int16_t)));
}

// Effects are short; a small buffer keeps a click close to its button.
constexpr Uint16 kDeviceBufferSamples = 512;
}  // namespace

SoundSystem::SoundSystem() = default;

SoundSystem::~SoundSystem() {
    Release();
    for (Sound* sound : attached_) sound->Forget();
}

bool SoundSystem::Create(Window* window) {
    (void)window;  // SDL's audio needs no window.
    if (audioInitialised_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        DiagnosticLog::Report("sound", "no sound: %s", SDL_GetError());
        return true;
    }
    audioInitialised_ = true;
    return true;
}

bool SoundSystem::CreatePrimaryBuffer() {
    if (!audioInitialised_ || device_)
        return true;
    deviceFound_ = OpenDevice();
    return true;
}

bool SoundSystem::OpenDevice() {
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kDeviceBufferSamples;
    wanted.callback = AudioCallback;
    wanted.userdata = this;
    // SDL converts to whatever the device wants, so the format is always ours.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (!device_) {
        DiagnosticLog::Report("sound", "no sound device: %s", SDL_GetError());
        return false;
    }
    lastHeard_ = TickCount();
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SoundSystem::RestWhenQuiet() {
    if (!device_)
        return;
    {
        AudioLock lock(device_);
        if (!voices_.empty()) {
            lastHeard_ = TickCount();
            return;
        }
    }
    if (TickCount() - lastHeard_ < kQuietBeforeRest)
        return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
}

bool SoundSystem::Release() {
    if (device_) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    deviceFound_ = false;
    if (audioInitialised_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioInitialised_ = false;
    }
    return true;
}

uint32_t SoundSystem::DurationOf(const Sound& sound) const {
    uint64_t samples = sound.Samples().size();
    return static_cast<uint32_t>((samples * 1000 + kSampleRate - 1) / kSampleRate);
}

bool SoundSystem::IsPlaying(const Sound& sound) const {
    auto found = startTicks_.find(&sound);
    if (found == startTicks_.end())
        return false;
    if (found->second.loop)
        return true;
    uint32_t elapsed = TickCount() - found->second.tick;
    return elapsed < DurationOf(sound);
}

bool SoundSystem::Start(const Sound& sound, bool loop) {
    if (sound.Samples().empty() || IsPlaying(sound))
        return false;
    startTicks_[&sound] = {TickCount(), loop};
    // Nobody takes the record in a real game: it must not grow with it.
    if (started_.size() >= kStartedKept)
        started_.erase(started_.begin());
    started_.push_back(sound.Path());
    if (deviceFound_ && !device_ && !OpenDevice())
        deviceFound_ = false;
    AudioLock lock(device_);
    // The mixer may still hold the tail of the last play (the device runs a
    // little behind the clock): start over rather than play it twice.
    auto same = [&](const Voice& voice) { return voice.sound == &sound; };
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(), same), voices_.end());
    voices_.push_back({&sound, 0, loop});
    return true;
}

void SoundSystem::Stop(const Sound& sound) {
    startTicks_.erase(&sound);
    AudioLock lock(device_);
    auto same = [&](const Voice& voice) { return voice.sound == &sound; };
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(), same), voices_.end());
}

std::vector<std::string> SoundSystem::TakeStarted() {
    std::vector<std::string> started;
    started.swap(started_);
    return started;
}

void SoundSystem::Attach(Sound* sound) {
    attached_.insert(sound);
}

void SoundSystem::Detach(Sound* sound) {
    Stop(*sound);
    attached_.erase(sound);
}

int SoundSystem::MixingVoices() const {
    AudioLock lock(device_);
    return static_cast<int>(voices_.size());
}

void SoundSystem::Mix(int16_t* out, int count) {
    if (count <= 0)
        return;
    mixBuffer_.assign(static_cast<size_t>(count), 0);
    for (Voice& voice : voices_) {
        const std::vector<int16_t>& samples = voice.sound->Samples();
        for (size_t i = 0; i < mixBuffer_.size() && !samples.empty(); ++i) {
            if (voice.position >= samples.size()) {
                if (!voice.loop)
                    break;
                voice.position = 0;
            }
            mixBuffer_[i] += samples[voice.position++];
        }
    }
    for (size_t i = 0; i < mixBuffer_.size(); ++i) {
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(mixBuffer_[i], INT16_MIN, INT16_MAX));
    }
    auto finished = [](const Voice& voice) {
        return !voice.loop && voice.position >= voice.sound->Samples().size();
    };
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(), finished), voices_.end());
}
