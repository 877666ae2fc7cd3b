#pragma once
// Voice data as the chip stores it: a 26-byte header followed by the coded
// blocks (see docs/voice-format.md).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PcmSound.h"

namespace voice {

inline constexpr int kHeaderBytes = 26;
inline constexpr uint8_t kFormatVersion = 1;

// The length of the voice data of a sound of `sampleCount` samples.
size_t VoiceDataSize(size_t sampleCount);

// Encodes a sound at its own rate. Deterministic: the same sound always gives
// the same bytes.
std::vector<uint8_t> EncodeVoice(const PcmSound& sound);

// Decodes voice data. On damaged data returns nothing and sets `error`.
std::optional<PcmSound> DecodeVoice(const uint8_t* data, size_t size, std::string* error);

// CRC-32 (the polynomial of zlib and PNG), as the header holds it.
uint32_t Crc32(const uint8_t* data, size_t size);

}  // namespace voice
