#include "PcmSound.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
    uint32_t byteRate = 0;
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
    f.byteRate = GetLE32(p + 8);
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

// One channel of 16 bits, on a processor of the file's byte order: the
// samples as they are.
bool IsPlainMono(const Format& f)
{
    return f.channels == 1 && f.bits == 16 && std::endian::native == std::endian::little;
}

// Mixes `frames` frames at `data` down to one channel of 16 bits.
void MixDown(const uint8_t* data, size_t frames, const Format& f, int16_t* out)
{
    if (IsPlainMono(f)) {
        std::memcpy(out, data, frames * sizeof *out);
        return;
    }
    const int bytes = f.bits / 8;
    for (size_t i = 0; i < frames; ++i) {
        const uint8_t* frame = data + i * f.blockAlign;
        int64_t sum = 0;
        for (int c = 0; c < f.channels; ++c)
            sum += ReadSample(frame + c * bytes, bytes);
        // The mean of the channels, rounded to 16 bits (no division for one).
        const int64_t mean = f.channels == 1 ? sum : sum / f.channels;
        out[i] = int16_t(std::clamp<int64_t>((mean + (1 << 15)) >> 16, -32768, 32767));
    }
}

// Where a WAV file's samples are and how they are stored.
struct DataChunk {
    Format format;
    uint64_t offset = 0;  // of the first sample
    uint64_t frames = 0;
    bool whole = false;  // the chunk lies wholly inside the file
};

// Walks the chunks of a WAV file of `size` bytes to its format and data.
// `read(at, count, out)` gives `count` bytes from offset `at`, false when it
// cannot, so that a file need not be read whole to find its samples.
template <typename Read> bool FindData(uint64_t size, Read read, DataChunk& found, std::string* error)
{
    uint8_t riff[12];
    if (size < 12 || !read(0, 12, riff) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return Fail(error, "not a WAV file");
    bool haveFormat = false;
    uint64_t at = 12;
    // The pad byte of an odd-sized last chunk may lie past the end.
    while (at <= size && size - at >= 8) {
        uint8_t chunk[8];
        if (!read(at, 8, chunk))
            return Fail(error, "cannot read the file");
        const uint64_t left = size - at - 8;
        const uint64_t chunkSize = GetLE32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize > left)
                return Fail(error, "the format chunk is cut short");
            // The fields read lie in the first 40 bytes.
            uint8_t fields[40] = {};
            if (!read(at + 8, std::min<uint64_t>(chunkSize, sizeof fields), fields))
                return Fail(error, "cannot read the file");
            if (!ParseFormat(fields, uint32_t(chunkSize), found.format, error))
                return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return Fail(error, "the data chunk comes before the format chunk");
            // A writer that never went back to fill in the size leaves more
            // (or less) than it says: take the whole frames that are there.
            found.offset = at + 8;
            found.frames = std::min(chunkSize, left) / found.format.blockAlign;
            found.whole = chunkSize <= left;
            return true;
        }
        if (chunkSize > left)
            break;
        at += 8 + chunkSize + (chunkSize & 1);  // chunks are padded to even sizes
    }
    return Fail(error, haveFormat ? "the file has no data chunk" : "the file has no format chunk");
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
    DataChunk chunk;
    const auto read = [&](uint64_t at, uint64_t count, uint8_t* out) {
        std::memcpy(out, data + at, count);
        return true;
    };
    if (!FindData(size, read, chunk, error))
        return std::nullopt;
    PcmSound sound;
    sound.sampleRate = chunk.format.sampleRate;
    sound.samples.resize(chunk.frames);
    MixDown(data + chunk.offset, chunk.frames, chunk.format, sound.samples.data());
    return sound;
}

WavReader::~WavReader()
{
    if (file_)
        std::fclose(file_);
}

bool WavReader::open(const std::string& path, std::string* error)
{
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return Fail(error, "cannot open the file");
    if (std::fseek(file_, 0, SEEK_END) != 0)
        return Fail(error, "cannot read the file");
    const long size = std::ftell(file_);
    if (size < 0)
        return Fail(error, "cannot read the file");
    const auto read = [this](uint64_t at, uint64_t count, uint8_t* out) {
        return std::fseek(file_, long(at), SEEK_SET) == 0 && std::fread(out, 1, count, file_) == count;
    };
    DataChunk chunk;
    if (!FindData(uint64_t(size), read, chunk, error))
        return false;
    if (std::fseek(file_, long(chunk.offset), SEEK_SET) != 0)
        return Fail(error, "cannot read the file");
    sampleRate_ = chunk.format.sampleRate;
    channels_ = chunk.format.channels;
    bits_ = chunk.format.bits;
    byteRate_ = chunk.format.byteRate;
    framesLeft_ = chunk.frames;
    wholeData_ = chunk.whole;
    return true;
}

size_t WavReader::read(int16_t* out, size_t max)
{
    const size_t frames = size_t(std::min<uint64_t>(max, framesLeft_));
    if (frames == 0 || failed_)
        return 0;
    const Format format{channels_, sampleRate_, bits_, uint16_t(channels_ * (bits_ / 8)), byteRate_};
    // Samples that need no mixing are read straight into `out`.
    const bool direct = IsPlainMono(format);
    const size_t size = frames * format.blockAlign;
    if (!direct)
        buffer_.resize(size);
    uint8_t* bytes = direct ? reinterpret_cast<uint8_t*>(out) : buffer_.data();
    if (std::fread(bytes, 1, size, file_) != size) {
        failed_ = true;
        return 0;
    }
    if (!direct)
        MixDown(bytes, frames, format, out);
    framesLeft_ -= frames;
    return frames;
}

std::optional<PcmSound> ReadWavFile(const std::string& path, std::string* error)
{
    WavReader reader;
    if (!reader.open(path, error))
        return std::nullopt;
    PcmSound sound;
    sound.sampleRate = reader.sampleRate();
    sound.samples.resize(size_t(reader.framesLeft()));
    // The whole data chunk in one read.
    if (reader.read(sound.samples.data(), sound.samples.size()) != sound.samples.size() || reader.failed()) {
        Fail(error, "cannot read the file");
        return std::nullopt;
    }
    return sound;
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
