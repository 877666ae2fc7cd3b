#include "audio/SoundSystem.h"

#include <cstdint>

#include "audio/PreviewDecoding.h"

namespace {

// Short device buffers keep "channel 1 plays" close to what is heard.
constexpr int kDeviceFrames = 512;

}  // namespace

SoundSystem::SoundSystem() = default;

SoundSystem::~SoundSystem()
{
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    if (audioStarted_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundSystem::OpenDevice()
{
    if (!audioStarted_) {
        // The program is a Qt application: SDL must not take over its signals.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        audioStarted_ = true;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kMixChannels;
    wanted.samples = kDeviceFrames;
    // No changes allowed: SDL converts to whatever the device really takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0)
        return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SoundSystem::Init()
{
    std::lock_guard lock(mutex_);
    if (device_ == 0)
        OpenDevice();
    slots_.clear();
}

int SoundSystem::LoadSample(int slot, const std::string& path)
{
    if (slot < 0)
        return 0;
    // Decoding can take a while; the lock is not held meanwhile, so that the
    // window's timer asking whether channel 1 plays never waits for it.
    const bool playable = CanDecodeSoundFile(path);
    std::lock_guard lock(mutex_);
    if (static_cast<size_t>(slot) >= slots_.size())
        slots_.resize(static_cast<size_t>(slot) + 1, false);
    slots_[static_cast<size_t>(slot)] = playable;
    return playable ? slot + 1 : 0;
}

int SoundSystem::GetSample(int slot) const
{
    std::lock_guard lock(mutex_);
    if (slot < 0 || static_cast<size_t>(slot) >= slots_.size() || !slots_[static_cast<size_t>(slot)])
        return 0;
    return slot + 1;
}

bool SoundSystem::PlayStream(const std::vector<uint8_t>& fileBytes)
{
    std::vector<int16_t> samples;
    if (!DecodeSoundBytes(fileBytes, kMixRate, kMixChannels, samples))
        return false;
    std::lock_guard lock(mutex_);
    if (device_ == 0)
        return false;
    // SDL keeps its own copy of the queued sound, so the caller's buffers can
    // go as soon as this returns; clearing the queue releases what played
    // before.
    SDL_ClearQueuedAudio(device_);
    const size_t bytes = samples.size() * sizeof(int16_t);
    if (bytes > UINT32_MAX)
        return false;
    return SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(bytes)) == 0;
}

bool SoundSystem::IsPlaying() const
{
    std::lock_guard lock(mutex_);
    return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0;
}

void SoundSystem::StopAll()
{
    std::lock_guard lock(mutex_);
    if (device_ != 0)
        SDL_ClearQueuedAudio(device_);
}
