#pragma once
// Voice data as the chip stores it: a 26-byte header followed by the coded
// blocks (see docs/voice-format.md).

#include <cstddef>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PcmSound.h"
#include "VoiceCodec.h"

namespace voice {

inline constexpr int kHeaderBytes = 26;
inline constexpr uint8_t kFormatVersion = 1;

// The length of the voice data of a sound of `sampleCount` samples.
size_t VoiceDataSize(size_t sampleCount);

// Encodes a sound at its own rate. Deterministic: the same sound always gives
// the same bytes.
std::vector<uint8_t> EncodeVoice(const PcmSound& sound);

// The same encoding fed piece by piece, so that a sound of any length needs
// only a block's worth of memory: the blocks come out as they fill, the
// header (which holds their count and checksum) at the end.
class VoiceEncoder {
public:
    // Appends the blocks completed by `count` more samples to `blocks`.
    void add(const int16_t* samples, size_t count, std::vector<uint8_t>& blocks);
    // Appends the last, padded block if samples are waiting for it.
    void finish(std::vector<uint8_t>& blocks);
    // The header of the sound encoded so far; call after finish().
    std::array<uint8_t, kHeaderBytes> header(uint32_t sampleRate) const;

private:
    void encodeBlock(const int16_t* samples, int count, std::vector<uint8_t>& blocks);

    PredictorState state_;
    int16_t pending_[kBlockSamples] = {};
    int pendingCount_ = 0;
    uint64_t sampleCount_ = 0;
    uint64_t blockCount_ = 0;
    uint32_t crc_ = 0;  // CRC-32 of the blocks so far
};

// Decodes voice data. On damaged data returns nothing and sets `error`.
std::optional<PcmSound> DecodeVoice(const uint8_t* data, size_t size, std::string* error);

// CRC-32 (the polynomial of zlib and PNG), as the header holds it. `crc` is
// the checksum of the bytes before `data`, for a checksum taken piece by piece.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

}  // namespace voice
