#include "PcmSound.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "ByteOrder.h"

namespace voice {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// The widest range of sound files in common use; a header outside it is
// damaged, and a decoded copy of it could not be read back.
constexpr uint32_t kLowestRate = 1;
constexpr uint32_t kHighestRate = 384000;
constexpr uint32_t kMostChannels = 8;

bool Fail(std::string* error, const char* reason)
{
    if (error)
        *error = reason;
    return false;
}

struct Format {
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bits = 0;
    uint16_t blockAlign = 0;
};

bool ParseFormat(const uint8_t* p, uint32_t size, Format& f, std::string* error)
{
    if (size < 16)
        return Fail(error, "the format chunk is too short");
    uint16_t tag = GetLE16(p);
    if (tag == kFormatExtensible) {
        // The sub-format's first two bytes are the plain format tag.
        if (size < 40)
            return Fail(error, "the extensible format chunk is too short");
        tag = GetLE16(p + 24);
    }
    if (tag != kFormatPcm)
        return Fail(error, "the samples are not integer PCM");
    f.channels = GetLE16(p + 2);
    f.sampleRate = GetLE32(p + 4);
    f.blockAlign = GetLE16(p + 12);
    f.bits = GetLE16(p + 14);
    if (const char* refusal = WavFormatRefusal(f.sampleRate, f.channels, f.bits))
        return Fail(error, refusal);
    if (f.blockAlign != uint32_t(f.channels) * (f.bits / 8))
        return Fail(error, "the block alignment does not match the channels and bits");
    return true;
}

// One sample as a signed value of 32 bits, the top bits significant.
int32_t ReadSample(const uint8_t* p, int bytes)
{
    switch (bytes) {
    case 1:
        return int32_t(uint32_t(p[0] ^ 0x80u) << 24);
    case 2:
        return int32_t(uint32_t(GetLE16(p)) << 16);
    case 3:
        return int32_t((uint32_t(p[0]) << 8) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 24));
    default:
        return int32_t(GetLE32(p));
    }
}

PcmSound MixDown(const uint8_t* data, size_t frames, const Format& f)
{
    PcmSound sound;
    sound.sampleRate = f.sampleRate;
    sound.samples.resize(frames);
    const int bytes = f.bits / 8;
    for (size_t i = 0; i < frames; ++i) {
        const uint8_t* frame = data + i * f.blockAlign;
        int64_t sum = 0;
        for (int c = 0; c < f.channels; ++c)
            sum += ReadSample(frame + c * bytes, bytes);
        // The mean of the channels, rounded to 16 bits.
        const int64_t mean = sum / f.channels;
        sound.samples[i] = int16_t(std::clamp<int64_t>((mean + (1 << 15)) >> 16, -32768, 32767));
    }
    return sound;
}

}  // namespace

const char* WavFormatRefusal(uint32_t sampleRate, uint32_t channels, uint32_t bits)
{
    if (sampleRate < kLowestRate || sampleRate > kHighestRate)
        return "the sampling rate is not between 1 and 384000 Hz";
    if (channels == 0)
        return "the file has no channels";
    if (channels > kMostChannels)
        return "the file has more than 8 channels";
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return "the bits per sample are not 8, 16, 24 or 32";
    return nullptr;
}

std::optional<PcmSound> ParseWav(const uint8_t* data, size_t size, std::string* error)
{
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        Fail(error, "not a WAV file");
        return std::nullopt;
    }
    Format format;
    bool haveFormat = false;
    size_t at = 12;
    // The pad byte of an odd-sized last chunk may lie past the end.
    while (at <= size && size - at >= 8) {
        const uint8_t* chunk = data + at;
        const size_t left = size - at - 8;
        const size_t chunkSize = GetLE32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize > left) {
                Fail(error, "the format chunk is cut short");
                return std::nullopt;
            }
            if (!ParseFormat(chunk + 8, uint32_t(chunkSize), format, error))
                return std::nullopt;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) {
                Fail(error, "the data chunk comes before the format chunk");
                return std::nullopt;
            }
            // A writer that never went back to fill in the size leaves more
            // (or less) than it says: take the whole frames that are there.
            const size_t frames = std::min(chunkSize, left) / format.blockAlign;
            return MixDown(chunk + 8, frames, format);
        }
        if (chunkSize > left)
            break;
        at += 8 + chunkSize + (chunkSize & 1);  // chunks are padded to even sizes
    }
    Fail(error, haveFormat ? "the file has no data chunk" : "the file has no format chunk");
    return std::nullopt;
}

std::optional<PcmSound> ReadWavFile(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Fail(error, "cannot open the file");
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        Fail(error, "cannot read the file");
        return std::nullopt;
    }
    return ParseWav(bytes.data(), bytes.size(), error);
}

std::vector<uint8_t> WavBytes(const PcmSound& sound)
{
    const uint32_t dataBytes = uint32_t(sound.samples.size() * 2);
    std::vector<uint8_t> out(44 + size_t(dataBytes));
    uint8_t* p = out.data();
    std::memcpy(p, "RIFF", 4);
    PutLE32(p + 4, 36 + dataBytes);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    PutLE32(p + 16, 16);
    PutLE16(p + 20, kFormatPcm);
    PutLE16(p + 22, 1);
    PutLE32(p + 24, sound.sampleRate);
    PutLE32(p + 28, sound.sampleRate * 2);
    PutLE16(p + 32, 2);
    PutLE16(p + 34, 16);
    std::memcpy(p + 36, "data", 4);
    PutLE32(p + 40, dataBytes);
    for (size_t i = 0; i < sound.samples.size(); ++i)
        PutLE16(p + 44 + 2 * i, uint16_t(sound.samples[i]));
    return out;
}

}  // namespace voice
