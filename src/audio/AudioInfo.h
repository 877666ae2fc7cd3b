#pragma once
// The properties of a sound file, the record made from them, and the rate
// rules applied when sounds are taken into a project.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/Sound.h"

struct AudioInfo {
    double sampleRate = 0;  // Hz
    double duration = 0;    // seconds
    int channels = 0;
    int bits = 0;    // PCM sample width for WAV; 16 (the decoded width) for compressed formats
    double aux = 0;  // the stream's bit rate in bit/s
    // A WAV file of integer PCM samples, as the voice converter takes them
    // (not, say, MP3 data under a .wav name).
    bool pcmWav = false;
};

// The properties of `path`'s sound, or a message naming the file when it
// cannot be read as sound.
std::optional<std::string> ProbeAudioFile(const std::string& path, AudioInfo& out);

// As ProbeAudioFile, with all fields 0 for a file that cannot be read.
AudioInfo ReadAudioInfo(const std::string& path);

// A sound record for the file at `path`, named `name`, from ReadAudioInfo.
CSound MakeSoundRecord(const std::string& path, const std::string& name);
// The same from properties already read.
CSound MakeSoundRecord(const std::string& path, const std::string& name, const AudioInfo& info);

// The sampling rates a project's sounds may have, highest first.
inline constexpr std::array<int, 10> kAcceptedSourceRates = {22000, 20000, 18000, 16000, 14000,
                                                             12000, 10000, 8000,  6000,  4000};

// Rules on a rate already read; the file forms below read the file first.
bool IsAcceptedRate(double rate);        // exactly one of kAcceptedSourceRates
int32_t TruncateToInt32(double value);   // toward zero; NaN gives 0, the ends of the range clamp
int StepDownSampleRate(double rate);     // largest accepted rate not above `rate`; 4000 below 6000 or for NaN

bool IsAcceptedSourceRate(const std::string& path);
int GetSourceRate(const std::string& path);
int StepDownRate(const std::string& path);
