#include "audio/PromptPreparation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "PcmSound.h"
#include "audio/AudioDecoder.h"
#include "audio/AudioFilterChain.h"
#include "support/RegularFile.h"
#include "support/SafeWrite.h"

namespace {

// Integrated loudness needs at least one 400 ms block; shorter prompts are
// measured as if repeated to this length.
constexpr double kMeasuredSeconds = 0.5;
// ebur128's value for a sound with no block above its absolute gate.
constexpr double kGatedOut = -70.0;
constexpr size_t kWavHeaderBytes = 44;
// Levelling measures, corrects and measures again until the loudness is
// this close to the target, at most this many times.
constexpr double kLoudnessTolerance = 0.2;  // LU
constexpr int kLevellingPasses = 4;
// The limiter aims a hair under the ceiling so that rounding to 16 bits
// cannot reach above it.
constexpr double kLimiterHeadroomDb = 0.05;

// A number as a ratio of integers, which FFmpeg's option expressions read
// alike in every locale (a decimal point may be a comma in the user's).
std::string Ratio(double value)
{
    return "(" + std::to_string(std::llround(value * 1e6)) + "/1000000)";
}

// A number written by a filter, whichever decimal point its locale used.
double ParseReal(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    double value = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

double Linear(double db) { return std::pow(10.0, db / 20.0); }

// silenceremove trims only the start of what it is given, so the end is
// trimmed on the reversed sound.
std::string TrimFilters(int marginMs)
{
    const std::string leading = "silenceremove=start_periods=1:detection=peak:window=0.02:start_threshold=" +
                                Ratio(Linear(kSilenceThresholdDb)) +
                                ":start_silence=" + std::to_string(marginMs) + "ms";
    return leading + ",areverse," + leading + ",areverse";
}

std::string LimiterFilter()
{
    return "alimiter=level=0:latency=1:attack=5:release=50:limit=" + Ratio(Linear(kPeakLimitDb - kLimiterHeadroomDb));
}

// The integrated loudness of `sound` in LUFS, or nothing when it is too quiet
// to be measured.
std::optional<double> IntegratedLoudness(const MonoAudio<float>& sound, std::optional<std::string>& error)
{
    MonoAudio<float> passed;
    FilterMetadata metadata;
    const size_t minimum = static_cast<size_t>(kMeasuredSeconds * sound.sampleRate);
    error = RunFilterChain("ebur128=metadata=1", sound, passed, &metadata, minimum);
    if (error)
        return std::nullopt;
    const auto found = metadata.find("lavfi.r128.I");
    if (found == metadata.end())
        return std::nullopt;
    const double loudness = ParseReal(found->second);
    if (!std::isfinite(loudness) || loudness <= kGatedOut)
        return std::nullopt;
    return loudness;
}

}  // namespace

std::optional<std::string> PreparePcm(const PcmAudio& in, const PrepareOptions& options, PcmAudio& out)
{
    if (in.channels != 1 || in.sampleRate <= 0)
        return "Cannot prepare the sound: it must be mono";
    const MonoAudio<int16_t> source{in.sampleRate, in.samples};
    MonoAudio<float> sound;
    std::string chain = "aresample=" + std::to_string(options.rate);
    if (options.trim)
        chain += "," + TrimFilters(options.marginMs);
    if (auto error = RunFilterChain(chain, source, sound))
        return error;
    if (sound.samples.empty())
        return std::string("Cannot prepare the sound: it holds only silence");

    // The limiter takes some loudness off peaky sound, so the gain is
    // corrected on what comes out of it.
    double gain = 0;
    MonoAudio<float> limited;
    for (int pass = 0; pass < kLevellingPasses; ++pass) {
        if (auto error = RunFilterChain("volume=" + Ratio(Linear(gain)) + "," + LimiterFilter(), sound, limited))
            return error;
        if (!options.normalize)
            break;
        std::optional<std::string> error;
        const std::optional<double> loudness = IntegratedLoudness(limited, error);
        if (error)
            return error;
        if (!loudness || std::abs(options.loudness - *loudness) < kLoudnessTolerance)
            break;
        gain += options.loudness - *loudness;
    }
    MonoAudio<int16_t> prepared;
    if (auto error = RunFilterChain("", limited, prepared))
        return error;
    out.sampleRate = prepared.sampleRate;
    out.channels = 1;
    out.samples = std::move(prepared.samples);
    return std::nullopt;
}

std::optional<std::string> PrepareSoundFile(const std::string& source, const PrepareOptions& options,
                                            PcmAudio& out)
{
    if (auto reason = SpecialFileReason(source))
        return "Cannot prepare " + source + ": " + *reason;
    PcmAudio decoded;
    if (auto error = DecodeAudioFile(source, 0, 1, decoded))
        return "Cannot prepare " + source + ": it is not a sound file that can be read (" + *error + ")";
    if (decoded.samples.empty())
        return "Cannot prepare " + source + ": it holds no sound";
    if (auto error = PreparePcm(decoded, options, out))
        return *error + " (" + source + ")";
    return std::nullopt;
}

std::vector<uint8_t> PreparedWavBytes(const PcmAudio& pcm)
{
    return voice::WavBytes(voice::PcmSound{static_cast<uint32_t>(pcm.sampleRate), pcm.samples});
}

std::optional<std::string> PrepareSound(const std::string& source, const std::string& destination,
                                        const PrepareOptions& options)
{
    PcmAudio pcm;
    if (auto error = PrepareSoundFile(source, options, pcm))
        return error;
    // A WAV file's sizes are 32-bit.
    if (pcm.samples.size() > (std::numeric_limits<uint32_t>::max() - kWavHeaderBytes) / sizeof(int16_t))
        return "Cannot prepare " + source + ": the sound is too long for a WAV file";
    const std::vector<uint8_t> wav = PreparedWavBytes(pcm);
    return WriteFileSafely(destination, wav.data(), wav.size());
}
