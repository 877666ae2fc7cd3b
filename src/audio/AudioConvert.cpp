#include "audio/AudioConvert.h"

#include <algorithm>
#include <limits>

#include "PcmSound.h"
#include "audio/AudioDecoder.h"
#include "audio/Resampler.h"
#include "support/Paths.h"
#include "support/SafeWrite.h"

namespace {
constexpr int kIntermediateRate = 8000;
constexpr size_t kWavHeaderBytes = 44;
}  // namespace

std::optional<std::string> ConvertSound(const std::string& source, const std::string& destination, int rate)
{
    if (rate <= 0)
        return "Cannot convert " + source + ": the sampling rate " + std::to_string(rate) + " Hz is not valid";
    PcmAudio pcm;
    if (auto error = DecodeAudioFile(source, std::max(rate, kIntermediateRate), 1, pcm))
        return error;
    if (pcm.samples.empty())
        return "Cannot convert " + source + ": it holds no sound";
    if (pcm.sampleRate != rate) {
        PcmAudio resampled;
        if (auto error = ResamplePcm(pcm, rate, resampled))
            return error;
        pcm = std::move(resampled);
    }
    // A WAV file's sizes are 32-bit.
    if (pcm.samples.size() > (std::numeric_limits<uint32_t>::max() - kWavHeaderBytes) / sizeof(int16_t))
        return "Cannot convert " + source + ": the sound is too long for a WAV file";
    const std::vector<uint8_t> wav =
        voice::WavBytes(voice::PcmSound{static_cast<uint32_t>(rate), std::move(pcm.samples)});
    return WriteFileSafely(destination, wav.data(), wav.size());
}

std::optional<std::string> SameFileRefusal(const std::string& source, const std::string& destination)
{
    if (!IsSameFile(source, destination))
        return std::nullopt;
    return "Choose another file to save to: " + destination + " is the file being converted.";
}
