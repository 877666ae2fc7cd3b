// Feeds bytes to the voice decoder as they are (the header checks) and as
// blocks under a header that passes them (the block decoder, which the
// checksum would otherwise shield from nearly every input).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ByteOrder.h"
#include "PcmSound.h"
#include "VoiceCodec.h"
#include "VoiceFile.h"

namespace {

// Decodes; a sound must have the length its header gives, a refusal a reason.
bool Decode(const std::vector<uint8_t>& file)
{
    std::string error;
    const auto sound = voice::DecodeVoice(file.data(), file.size(), &error);
    if (sound ? sound->samples.size() != voice::GetLE32(file.data() + 12) : error.empty())
        __builtin_trap();
    return bool(sound);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Decode(std::vector<uint8_t>(data, data + size));

    // The first four bytes choose the rate, the rest are blocks.
    if (size < 4)
        return 0;
    const uint32_t rate = voice::GetLE32(data);
    const size_t blocks = (size - 4) / voice::kBlockBytes;
    std::vector<uint8_t> file = voice::EncodeVoice({rate, {}});
    file.insert(file.end(), data + 4, data + 4 + blocks * voice::kBlockBytes);
    voice::PutLE32(file.data() + 12, uint32_t(blocks * voice::kBlockSamples));
    voice::PutLE32(file.data() + 16, uint32_t(blocks));
    voice::PutLE32(file.data() + 20, voice::Crc32(file.data() + voice::kHeaderBytes, blocks * voice::kBlockBytes));
    if (!Decode(file) && !voice::WavFormatRefusal(rate, 1, 16))
        __builtin_trap();
    return 0;
}
