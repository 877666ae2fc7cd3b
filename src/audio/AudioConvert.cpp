#include "audio/AudioConvert.h"

#include <algorithm>

#include "audio/AudioDecoder.h"
#include "audio/Resampler.h"
#include "audio/WavFile.h"
#include "support/SafeWrite.h"

namespace {
constexpr int kIntermediateRate = 8000;
}

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
    std::vector<uint8_t> wav;
    if (!EncodeWav(pcm, wav))
        return "Cannot convert " + source + ": the sound is too long for a WAV file";
    return WriteFileSafely(destination, wav.data(), wav.size());
}
