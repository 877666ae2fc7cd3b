#include "audio/AudioInfo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "audio/AudioDecoder.h"
#include "audio/FfmpegInput.h"

namespace {

// The integer sample formats of a WAV file that the voice converter reads.
bool IsPcmWav(const AVInputFormat& container, AVCodecID codec)
{
    const bool integerPcm = codec == AV_CODEC_ID_PCM_U8 || codec == AV_CODEC_ID_PCM_S16LE ||
                            codec == AV_CODEC_ID_PCM_S24LE || codec == AV_CODEC_ID_PCM_S32LE;
    return integerPcm && std::string_view(container.name) == "wav";
}

// The container's figure when it has one; else the sound is decoded and
// counted (a raw stream with no header says nothing of its length).
std::optional<std::string> Duration(const std::string& path, const FfmpegInput& input, double& seconds)
{
    const AVStream& stream = *input.stream;
    if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0) {
        // One rounding, not two as with the time base's reciprocal.
        seconds = static_cast<double>(stream.duration) * stream.time_base.num / stream.time_base.den;
        return std::nullopt;
    }
    if (input.format->duration != AV_NOPTS_VALUE && input.format->duration > 0) {
        seconds = static_cast<double>(input.format->duration) / AV_TIME_BASE;
        return std::nullopt;
    }
    AudioDecoder decoder;
    if (auto error = decoder.open(path, 0, 1))
        return error;
    std::vector<int16_t> piece;
    size_t frames = 0;
    while (decoder.decodeMore(piece)) {
        frames += piece.size();
        piece.clear();
    }
    seconds = static_cast<double>(frames) / decoder.sampleRate();
    return decoder.error();
}

// A duration in milliseconds, truncated toward zero. A duration is a count of
// frames over the rate, so a whole number of milliseconds may come out of
// the division a hair below itself: that must not cost a millisecond. Any
// other length is at least 1/1000 of a millisecond from the next one at
// rates up to a megahertz.
int32_t Milliseconds(double seconds)
{
    const double ms = seconds * 1000.0;
    const double whole = std::round(ms);
    return TruncateToInt32(std::abs(ms - whole) < 1e-6 ? whole : ms);
}

}  // namespace

std::optional<std::string> ProbeAudioFile(const std::string& path, AudioInfo& out)
{
    out = AudioInfo{};
    FfmpegInput input;
    if (auto error = OpenFfmpegInput(path, input))
        return error;
    const AVCodecParameters& p = *input.stream->codecpar;
    AudioInfo info;
    info.sampleRate = p.sample_rate;
    info.channels = p.ch_layout.nb_channels;
    info.bits = BitsPerSample(p);
    info.pcmWav = IsPcmWav(*input.format->iformat, p.codec_id);
    info.aux = static_cast<double>(p.bit_rate > 0 ? p.bit_rate : std::max<int64_t>(input.format->bit_rate, 0));
    if (auto error = Duration(path, input, info.duration))
        return error;
    out = info;
    return std::nullopt;
}

AudioInfo ReadAudioInfo(const std::string& path)
{
    AudioInfo info;
    ProbeAudioFile(path, info);
    return info;
}

CSound MakeSoundRecord(const std::string& path, const std::string& name, const AudioInfo& info)
{
    CSound sound;
    sound.kind = CSound::kSoundFile;
    sound.path = path;
    sound.name = name;
    sound.sampleRate = TruncateToInt32(info.sampleRate);
    sound.bits = info.bits;
    sound.stereo = info.channels == 1 ? 0 : 1;
    sound.lengthMs = Milliseconds(info.duration);
    sound.auxValue = TruncateToInt32(info.aux);
    return sound;
}

CSound MakeSoundRecord(const std::string& path, const std::string& name)
{
    return MakeSoundRecord(path, name, ReadAudioInfo(path));
}

bool IsAcceptedRate(double rate)
{
    return std::find(kAcceptedSourceRates.begin(), kAcceptedSourceRates.end(), rate) != kAcceptedSourceRates.end();
}

int32_t TruncateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int32_t>::min();
    constexpr double high = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(std::trunc(value), low, high));
}

int StepDownSampleRate(double rate)
{
    // Comparisons with NaN are false, so NaN falls through to 4000.
    for (int accepted : kAcceptedSourceRates) {
        if (rate >= accepted)
            return accepted;
    }
    return 4000;
}

bool IsAcceptedSourceRate(const std::string& path)
{
    return IsAcceptedRate(ReadAudioInfo(path).sampleRate);
}

int GetSourceRate(const std::string& path)
{
    return TruncateToInt32(ReadAudioInfo(path).sampleRate);
}

int StepDownRate(const std::string& path)
{
    return StepDownSampleRate(ReadAudioInfo(path).sampleRate);
}
