#pragma once
// The sound output the previews play through: one output device, one sound
// channel ("channel 1") and numbered sample slots. Every operation may be
// called from any thread.

#include <cstdint>
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

    // Decodes a whole sound file held in memory and plays it on channel 1 at
    // once, in place of anything playing there. False when nothing plays.
    bool PlayStream(const std::vector<uint8_t>& fileBytes);

    bool IsPlaying() const;
    void StopAll();

private:
    bool OpenDevice();

    mutable std::mutex mutex_;
    bool audioStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
    std::vector<bool> slots_;  // slot -> holds a playable file
};
