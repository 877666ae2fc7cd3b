// Feeds arbitrary bytes to the WAV reader and encodes what it reads: the
// reader must read a sound or give a reason, and the encoder's output must
// decode again to a sound of the same rate and length.

#include <cstddef>
#include <cstdint>
#include <string>

#include "PcmSound.h"
#include "VoiceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string error;
    const auto sound = voice::ParseWav(data, size, &error);
    if (!sound) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    const auto encoded = voice::EncodeVoice(*sound);
    const auto decoded = voice::DecodeVoice(encoded.data(), encoded.size(), &error);
    if (!decoded || decoded->sampleRate != sound->sampleRate || decoded->samples.size() != sound->samples.size())
        __builtin_trap();
    return 0;
}
