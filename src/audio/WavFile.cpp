#include "audio/WavFile.h"

#include <limits>
#include <string_view>

namespace {

void PutTag(std::vector<uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

bool EncodeWav(const PcmAudio& pcm, std::vector<uint8_t>& out)
{
    constexpr uint32_t kHeaderBytes = 44;
    const uint64_t dataBytes = pcm.samples.size() * sizeof(int16_t);
    constexpr uint64_t kMax = std::numeric_limits<uint32_t>::max();
    if (pcm.channels <= 0 || pcm.channels > 0xFFFF || pcm.sampleRate <= 0 || dataBytes > kMax - kHeaderBytes ||
        uint64_t{2} * static_cast<uint64_t>(pcm.sampleRate) * static_cast<uint64_t>(pcm.channels) > kMax)
        return false;
    const auto channels = static_cast<uint32_t>(pcm.channels);
    const auto rate = static_cast<uint32_t>(pcm.sampleRate);

    out.clear();
    out.reserve(kHeaderBytes + dataBytes);
    PutTag(out, "RIFF");
    PutLittleEndian(out, static_cast<uint32_t>(kHeaderBytes - 8 + dataBytes), 4);
    PutTag(out, "WAVEfmt ");
    PutLittleEndian(out, 16, 4);  // size of the format chunk
    PutLittleEndian(out, 1, 2);   // PCM
    PutLittleEndian(out, channels, 2);
    PutLittleEndian(out, rate, 4);
    PutLittleEndian(out, rate * channels * 2, 4);  // bytes per second
    PutLittleEndian(out, channels * 2, 2);         // bytes per frame
    PutLittleEndian(out, 16, 2);                   // bits per sample
    PutTag(out, "data");
    PutLittleEndian(out, static_cast<uint32_t>(dataBytes), 4);
    for (int16_t sample : pcm.samples)
        PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
    return true;
}
