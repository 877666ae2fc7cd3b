#pragma once
// The bytes of a WAV file holding 16-bit PCM.

#include <cstdint>
#include <vector>

#include "audio/PcmAudio.h"

// Fills `out` with a canonical 44-byte-header WAV file of `pcm`. False when
// the sound does not fit a WAV file's 32-bit sizes or has no rate or channels.
bool EncodeWav(const PcmAudio& pcm, std::vector<uint8_t>& out);
