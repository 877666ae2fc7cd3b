#pragma once
// Mono 16-bit sound in memory, and its WAV file form.

#include <cstddef>
#include <cstdint>
#include <cstdio>
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

// A PCM WAV file read piece by piece, so that a sound of any length needs
// little memory. It reads what ParseWav reads.
class WavReader {
public:
    WavReader() = default;
    ~WavReader();
    WavReader(const WavReader&) = delete;
    WavReader& operator=(const WavReader&) = delete;

    // Opens the file and finds its samples. On failure returns false and sets
    // `error` to the reason.
    bool open(const std::string& path, std::string* error);
    uint32_t sampleRate() const { return sampleRate_; }
    uint16_t channels() const { return channels_; }
    uint16_t bits() const { return bits_; }
    uint32_t byteRate() const { return byteRate_; }  // as the header states it
    // False when the data chunk claims more bytes than the file holds.
    bool wholeData() const { return wholeData_; }
    uint64_t framesLeft() const { return framesLeft_; }
    // Reads up to `max` samples, mixed down to one channel, into `out`; gives
    // their count, 0 at the end or when reading fails (then failed() is true).
    size_t read(int16_t* out, size_t max);
    bool failed() const { return failed_; }

private:
    std::FILE* file_ = nullptr;
    uint32_t sampleRate_ = 0;
    uint16_t channels_ = 0;
    uint16_t bits_ = 0;
    uint32_t byteRate_ = 0;
    uint64_t framesLeft_ = 0;
    bool wholeData_ = false;
    bool failed_ = false;
    std::vector<uint8_t> buffer_;
};

// The bytes of a mono 16-bit PCM WAV file holding the sound.
std::vector<uint8_t> WavBytes(const PcmSound& sound);

}  // namespace voice
