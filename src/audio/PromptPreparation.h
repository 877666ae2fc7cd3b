#pragma once
// Preparing a voice prompt for a project: any sound becomes a mono 16-bit
// sound at a rate the library accepts, with its leading and trailing
// silence trimmed and its loudness levelled, so that a whole prompt set
// sounds even and wastes no flash on silence.
//
// Silence is sound whose mean level (of the samples' magnitudes over
// 20 ms) stays below kSilenceThresholdDb; `marginMs` of it is kept before
// the first and after the last sound so that soft first and last syllables
// survive. Levelling
// brings the integrated loudness (EBU R128) to `loudness` LUFS; a lookahead
// limiter keeps every peak at or below kPeakLimitDb, also when levelling is
// off, so nothing clips.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "audio/PcmAudio.h"

inline constexpr double kSilenceThresholdDb = -50.0;  // dBFS
inline constexpr double kPeakLimitDb = -1.0;          // dBFS
inline constexpr int kDefaultMarginMs = 100;
inline constexpr double kDefaultLoudness = -16.0;  // LUFS
// The range a user may ask for.
inline constexpr int kMaxMarginMs = 5000;
inline constexpr double kMinLoudness = -40.0;
inline constexpr double kMaxLoudness = -6.0;

struct PrepareOptions {
    int rate = 8000;  // one of kAcceptedSourceRates
    bool trim = true;
    bool normalize = true;
    double loudness = kDefaultLoudness;
    int marginMs = kDefaultMarginMs;
};

// Prepares mono sound `in` (any rate) into `out` (mono, options.rate).
// Empty on success, else a message for the user; a sound that is silence
// only is refused.
std::optional<std::string> PreparePcm(const PcmAudio& in, const PrepareOptions& options, PcmAudio& out);

// Reads any sound file FFmpeg reads and prepares it; a file that holds no
// sound is refused with a message naming it.
std::optional<std::string> PrepareSoundFile(const std::string& source, const PrepareOptions& options,
                                            PcmAudio& out);

// The bytes of a mono 16-bit PCM WAV file holding `pcm`.
std::vector<uint8_t> PreparedWavBytes(const PcmAudio& pcm);

// Prepares `source` and writes the WAV to `destination` (safely: a failure
// leaves whatever was there). Empty on success, else a message.
std::optional<std::string> PrepareSound(const std::string& source, const std::string& destination,
                                        const PrepareOptions& options);
