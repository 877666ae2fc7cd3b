#pragma once
// Mono 16-bit sound in memory, and its WAV file form.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace voice {

struct PcmSound {
    uint32_t sampleRate = 0;
    std::vector<int16_t> samples;
};

// Why a WAV header's figures cannot be sound this program handles, or
// nothing when they can: a rate outside 1 to 384000 Hz, no channels or more
// than 8, a sample size other than 8, 16, 24 or 32 bits. Every reader of WAV
// headers asks this one function, so all refuse the same files.
const char* WavFormatRefusal(uint32_t sampleRate, uint32_t channels, uint32_t bits);

// Reads a PCM WAV file: integer samples of 8, 16, 24 or 32 bits, any number
// of channels (mixed down to one), any rate. On failure returns nothing and
// sets `error` to the reason.
std::optional<PcmSound> ParseWav(const uint8_t* data, size_t size, std::string* error);
std::optional<PcmSound> ReadWavFile(const std::string& path, std::string* error);

// The bytes of a mono 16-bit PCM WAV file holding the sound.
std::vector<uint8_t> WavBytes(const PcmSound& sound);

}  // namespace voice
