#pragma once
// The sound output the previews play through: one output device, one sound
// channel ("channel 1") and numbered sample slots. Every operation may be
// called from any thread.

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <SDL.h>

class SoundSystem {
public:
    // The device is fed at this rate, in stereo, signed 16-bit.
    static constexpr int kMixRate = 44100;
    static constexpr int kMixChannels = 2;

    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Opens the output device on first use and empties every sample slot.
    // Without a usable device the system stays silent: nothing plays.
    void Init();

    // Decodes the file and, when it holds playable sound, marks `slot` as
    // holding it. Returns the slot's sample handle, 0 when the file cannot be
    // played.
    int LoadSample(int slot, const std::string& path);
    // The handle of what `slot` holds, 0 when it is empty.
    int GetSample(int slot) const;

    // Plays a whole sound file held in memory on channel 1 at once, in place
    // of anything playing there. The stream keeps the bytes and decodes them
    // as it plays; they are released when the sound ends or is replaced or
    // stopped. False when nothing plays. `name` is the file's name for
    // messages.
    bool PlayStream(std::vector<uint8_t> fileBytes, const std::string& name);

    bool IsPlaying();
    void StopAll();

private:
    struct Stream;

    bool OpenDevice();
    static void FillDevice(void* self, Uint8* out, int length);

    mutable std::mutex mutex_;  // the device and the slots
    bool audioStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
    std::vector<bool> slots_;  // slot -> holds a playable file
    // Channel 1; the device's callback reads it, under SDL's device lock.
    std::unique_ptr<Stream> stream_;
};
