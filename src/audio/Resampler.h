#pragma once
// Rate, channel and sample-format conversion to interleaved signed 16-bit
// PCM through libswresample.

#include <optional>
#include <string>
#include <vector>

#include "audio/FfmpegInput.h"
#include "audio/PcmAudio.h"

class Resampler {
public:
    Resampler() = default;
    ~Resampler() { av_channel_layout_uninit(&inLayout_); }
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // Prepares conversion from the given input to `outRate` Hz and
    // `outChannels` channels. An input layout of unknown order is taken as
    // the usual layout for its channel count. Returns an FFmpeg error code
    // (negative) or 0.
    int configure(int inRate, AVSampleFormat inFormat, const AVChannelLayout& inLayout, int outRate,
                  int outChannels);
    bool configured() const { return swr_ != nullptr; }
    bool matches(int inRate, int inFormat, const AVChannelLayout& inLayout) const;

    // Converts `frames` input frames (planes as FFmpeg lays them out) and
    // appends the output to `out`. Returns an FFmpeg error code or 0.
    int convert(const uint8_t* const* planes, int frames, std::vector<int16_t>& out);
    // Appends what the filter still holds at the end of the input.
    int flush(std::vector<int16_t>& out) { return convert(nullptr, 0, out); }

private:
    SwrContextPtr swr_;
    int inRate_ = 0;
    int inFormat_ = AV_SAMPLE_FMT_NONE;
    AVChannelLayout inLayout_ = {};
    int outChannels_ = 0;
};

// `in` converted to `rate` Hz, same channel count. Empty on success, else a
// message.
std::optional<std::string> ResamplePcm(const PcmAudio& in, int rate, PcmAudio& out);
