#pragma once
// What the sound output needs from the decoder.

#include <cstdint>
#include <string>
#include <vector>

// Whether the file decodes to sound.
bool CanDecodeSoundFile(const std::string& path);

// A whole sound file held in memory, decoded to interleaved signed 16-bit
// samples at `rate` Hz with `channels` channels. False when it holds no sound
// that can be decoded.
bool DecodeSoundBytes(const std::vector<uint8_t>& fileBytes, int rate, int channels, std::vector<int16_t>& samples);
