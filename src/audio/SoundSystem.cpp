#include "audio/SoundSystem.h"

#include <algorithm>
#include <cstring>

#include "audio/AudioDecoder.h"

namespace {

// Short device buffers keep "channel 1 plays" close to what is heard.
constexpr int kDeviceFrames = 512;

// Whether the whole file decodes to at least some sound. The samples are
// dropped piece by piece, so a long file costs no memory.
bool DecodesToSound(const std::string& path)
{
    AudioDecoder decoder;
    if (decoder.open(path))
        return false;
    bool sound = false;
    std::vector<int16_t> piece;
    while (decoder.decodeMore(piece)) {
        sound = true;
        piece.clear();
    }
    return sound && !decoder.error();
}

}  // namespace

// A file being played: its bytes, owned by the decoder, and the decoded
// samples not yet handed to the device.
struct SoundSystem::Stream {
    AudioDecoder decoder;
    std::vector<int16_t> pending;
    size_t offset = 0;
    bool ended = false;
};

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
    wanted.callback = &SoundSystem::FillDevice;
    wanted.userdata = this;
    // No changes allowed: SDL converts to whatever the device really takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0)
        return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

// Runs on SDL's audio thread with the device locked.
void SoundSystem::FillDevice(void* self, Uint8* out, int length)
{
    Stream* stream = static_cast<SoundSystem*>(self)->stream_.get();
    const size_t wanted = static_cast<size_t>(length) / sizeof(int16_t);
    size_t filled = 0;
    while (stream && !stream->ended && filled < wanted) {
        if (stream->offset == stream->pending.size()) {
            stream->pending.clear();
            stream->offset = 0;
            stream->ended = !stream->decoder.decodeMore(stream->pending);
            continue;
        }
        const size_t count = std::min(wanted - filled, stream->pending.size() - stream->offset);
        std::memcpy(out + filled * sizeof(int16_t), stream->pending.data() + stream->offset, count * sizeof(int16_t));
        filled += count;
        stream->offset += count;
    }
    std::memset(out + filled * sizeof(int16_t), 0, static_cast<size_t>(length) - filled * sizeof(int16_t));
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
    const bool playable = DecodesToSound(path);
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

bool SoundSystem::PlayStream(std::vector<uint8_t> fileBytes, const std::string& name)
{
    auto stream = std::make_unique<Stream>();
    if (stream->decoder.openBytes(std::move(fileBytes), name, kMixRate, kMixChannels))
        return false;
    std::unique_ptr<Stream> replaced;
    std::lock_guard lock(mutex_);
    if (device_ == 0)
        return false;
    SDL_LockAudioDevice(device_);
    replaced = std::move(stream_);
    stream_ = std::move(stream);
    SDL_UnlockAudioDevice(device_);
    return true;
}

bool SoundSystem::IsPlaying()
{
    std::unique_ptr<Stream> ended;
    std::lock_guard lock(mutex_);
    if (device_ == 0)
        return false;
    SDL_LockAudioDevice(device_);
    // A stream that has ended gives its memory back here, at the latest on
    // the window's next timer tick.
    if (stream_ && stream_->ended)
        ended = std::move(stream_);
    const bool playing = stream_ != nullptr;
    SDL_UnlockAudioDevice(device_);
    return playing;
}

void SoundSystem::StopAll()
{
    std::unique_ptr<Stream> stopped;
    std::lock_guard lock(mutex_);
    if (device_ == 0)
        return;
    SDL_LockAudioDevice(device_);
    stopped = std::move(stream_);
    SDL_UnlockAudioDevice(device_);
}
