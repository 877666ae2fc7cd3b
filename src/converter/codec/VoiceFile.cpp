#include "VoiceFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ByteOrder.h"
#include "VoiceCodec.h"
#include "krvoice.h"

namespace voice {
namespace {

constexpr char kMagic[4] = {'K', 'R', 'V', 'D'};

// Header layout: offsets of its fields.
enum HeaderField {
    kMagicAt = 0,
    kVersionAt = 4,
    kHeaderSizeAt = 5,
    kBlockSamplesAt = 6,
    kBlockBytesAt = 7,
    kSampleRateAt = 8,
    kSampleCountAt = 12,
    kBlockCountAt = 16,
    kCrcAt = 20,
    kOrderAt = 24,
    kFlagsAt = 25,
};

size_t BlockCount(size_t sampleCount)
{
    return (sampleCount + kBlockSamples - 1) / kBlockSamples;
}

bool Fail(std::string* error, const char* reason)
{
    if (error)
        *error = reason;
    return false;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc)
{
    // Table k gives the remainder of a byte followed by k zero bytes, so that
    // eight bytes take one step.
    static const auto tables = [] {
        std::array<std::array<uint32_t, 256>, 8> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (uint32_t i = 0; i < 256; ++i)
            for (size_t k = 1; k < t.size(); ++k)
                t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
        return t;
    }();
    crc ^= 0xFFFFFFFFu;
    for (; size >= 8; data += 8, size -= 8) {
        const uint32_t a = crc ^ GetLE32(data), b = GetLE32(data + 4);
        crc = tables[7][a & 0xFF] ^ tables[6][(a >> 8) & 0xFF] ^ tables[5][(a >> 16) & 0xFF] ^ tables[4][a >> 24] ^
              tables[3][b & 0xFF] ^ tables[2][(b >> 8) & 0xFF] ^ tables[1][(b >> 16) & 0xFF] ^ tables[0][b >> 24];
    }
    for (; size > 0; ++data, --size)
        crc = tables[0][(crc ^ *data) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

size_t VoiceDataSize(size_t sampleCount)
{
    return kHeaderBytes + BlockCount(sampleCount) * kBlockBytes;
}

void VoiceEncoder::encodeBlock(const int16_t* samples, int count, std::vector<uint8_t>& blocks)
{
    const size_t at = blocks.size();
    blocks.resize(at + kBlockBytes);
    EncodeBlock(state_, samples, count, blocks.data() + at);
    crc_ = Crc32(blocks.data() + at, kBlockBytes, crc_);
    ++blockCount_;
}

void VoiceEncoder::add(const int16_t* samples, size_t count, std::vector<uint8_t>& blocks)
{
    sampleCount_ += count;
    if (pendingCount_ > 0) {
        const size_t n = std::min<size_t>(count, size_t(kBlockSamples - pendingCount_));
        std::copy(samples, samples + n, pending_ + pendingCount_);
        pendingCount_ += int(n);
        samples += n;
        count -= n;
        if (pendingCount_ < kBlockSamples)
            return;
        encodeBlock(pending_, kBlockSamples, blocks);
        pendingCount_ = 0;
    }
    for (; count >= size_t(kBlockSamples); samples += kBlockSamples, count -= kBlockSamples)
        encodeBlock(samples, kBlockSamples, blocks);
    std::copy(samples, samples + count, pending_);
    pendingCount_ = int(count);
}

void VoiceEncoder::finish(std::vector<uint8_t>& blocks)
{
    if (pendingCount_ > 0)
        encodeBlock(pending_, pendingCount_, blocks);
    pendingCount_ = 0;
}

std::array<uint8_t, kHeaderBytes> VoiceEncoder::header(uint32_t sampleRate) const
{
    std::array<uint8_t, kHeaderBytes> header{};
    uint8_t* h = header.data();
    std::memcpy(h + kMagicAt, kMagic, 4);
    h[kVersionAt] = kFormatVersion;
    h[kHeaderSizeAt] = kHeaderBytes;
    h[kBlockSamplesAt] = kBlockSamples;
    h[kBlockBytesAt] = kBlockBytes;
    PutLE32(h + kSampleRateAt, sampleRate);
    PutLE32(h + kSampleCountAt, uint32_t(sampleCount_));
    PutLE32(h + kBlockCountAt, uint32_t(blockCount_));
    PutLE32(h + kCrcAt, crc_);
    h[kOrderAt] = kPredictorOrder;
    h[kFlagsAt] = 0;
    return header;
}

std::vector<uint8_t> EncodeVoice(const PcmSound& sound)
{
    std::vector<uint8_t> out(kHeaderBytes);
    out.reserve(VoiceDataSize(sound.samples.size()));
    VoiceEncoder encoder;
    encoder.add(sound.samples.data(), sound.samples.size(), out);
    encoder.finish(out);
    const auto header = encoder.header(sound.sampleRate);
    std::copy(header.begin(), header.end(), out.begin());
    return out;
}

std::optional<PcmSound> DecodeVoice(const uint8_t* data, size_t size, std::string* error)
{
    if (size < size_t(kHeaderBytes) || std::memcmp(data, kMagic, 4) != 0) {
        Fail(error, "not KR615B voice data");
        return std::nullopt;
    }
    krv_header header;
    const int status = size > UINT32_MAX ? KRV_ERR_LENGTH : krv_read_header(data, uint32_t(size), &header);
    if (status != KRV_OK) {
        Fail(error, status == KRV_ERR_FORMAT ? "voice data of an unknown format version"
                                             : "the voice data's length does not match its header");
        return std::nullopt;
    }
    const size_t blocks = header.block_count;
    if (Crc32(data + kHeaderBytes, blocks * kBlockBytes) != header.checksum) {
        Fail(error, "the voice data is damaged (checksum mismatch)");
        return std::nullopt;
    }
    PcmSound sound;
    sound.sampleRate = header.sample_rate;
    // Decoded sound is written as WAV: a rate no WAV reader takes stops here.
    if (WavFormatRefusal(sound.sampleRate, 1, 16)) {
        Fail(error, "the voice data's sampling rate is not between 1 and 384000 Hz");
        return std::nullopt;
    }
    sound.samples.resize(blocks * kBlockSamples);
    krv_decoder decoder;
    krv_decoder_reset(&decoder);
    for (size_t b = 0; b < blocks; ++b)
        krv_decode_block(&decoder, data + kHeaderBytes + b * kBlockBytes, sound.samples.data() + b * kBlockSamples);
    sound.samples.resize(header.sample_count);
    return sound;
}

}  // namespace voice
