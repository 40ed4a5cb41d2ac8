#include "engine/Sound.h"

#include "engine/SoundSystem.h"
#include "engine/WavReader.h"
#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/HostPath.h"

namespace {
// Far beyond any effect the game ships (a second is 44 kB); a bigger file is
// read only this far, so it cannot exhaust memory.
constexpr size_t kLargestWavFile = 16 << 20;
}  // namespace

Sound::~Sound() {
    if (system_)
        system_->Detach(this);
}

void Sound::Forget() {
    system_ = nullptr;
}

bool Sound::LoadWav(const std::string& path, SoundSystem& system) {
    if (system_)
        system_->Detach(this);
    path_ = path;
    samples_.clear();
    loaded_ = false;
    system_ = &system;
    system.Attach(this);

    std::optional<std::string> bytes = ReadWholeFile(HostPath(path), kLargestWavFile);
    if (!bytes) {
        DiagnosticLog::ReportOnce(path, "sound", "could not open sound \"%s\"", path.c_str());
        return false;
    }
    if (!ReadWavSamples(*bytes, samples_)) {
        DiagnosticLog::ReportOnce(path, "sound", "\"%s\" is not a PCM WAV file the game can play",
                                  path.c_str());
        samples_.clear();
        return false;
    }
    loaded_ = true;
    return true;
}

bool Sound::Play(bool loop) {
    if (system_ && loaded_)
        system_->Start(*this, loop);
    return true;
}
