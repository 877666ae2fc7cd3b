#include "audio/Resampler.h"

#include <limits>

int Resampler::configure(int inRate, AVSampleFormat inFormat, const AVChannelLayout& inLayout, int outRate,
                         int outChannels)
{
    swr_.reset();
    av_channel_layout_uninit(&inLayout_);
    if (int error = av_channel_layout_copy(&inLayout_, &inLayout); error < 0)
        return error;

    AVChannelLayout from = {};
    if (inLayout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&from, inLayout.nb_channels);
    else if (int error = av_channel_layout_copy(&from, &inLayout); error < 0)
        return error;
    AVChannelLayout to = {};
    av_channel_layout_default(&to, outChannels);

    SwrContext* raw = nullptr;
    int error = swr_alloc_set_opts2(&raw, &to, AV_SAMPLE_FMT_S16, outRate, &from, inFormat, inRate, 0, nullptr);
    av_channel_layout_uninit(&from);
    av_channel_layout_uninit(&to);
    SwrContextPtr swr(raw);
    if (error >= 0)
        error = swr_init(raw);
    if (error < 0)
        return error;
    swr_ = std::move(swr);
    inRate_ = inRate;
    inFormat_ = inFormat;
    outChannels_ = outChannels;
    return 0;
}

bool Resampler::matches(int inRate, int inFormat, const AVChannelLayout& inLayout) const
{
    return swr_ && inRate == inRate_ && inFormat == inFormat_ && av_channel_layout_compare(&inLayout, &inLayout_) == 0;
}

int Resampler::convert(const uint8_t* const* planes, int frames, std::vector<int16_t>& out)
{
    // swr_get_out_samples gives an upper bound of what this call can produce,
    // including what the filter holds from earlier calls.
    const int room = swr_get_out_samples(swr_.get(), frames);
    if (room < 0)
        return room;
    if (room == 0)
        return 0;
    const size_t before = out.size();
    out.resize(before + static_cast<size_t>(room) * static_cast<size_t>(outChannels_));
    uint8_t* target = reinterpret_cast<uint8_t*>(out.data() + before);
    const int made = swr_convert(swr_.get(), &target, room, const_cast<const uint8_t**>(planes), frames);
    out.resize(before + static_cast<size_t>(made > 0 ? made : 0) * static_cast<size_t>(outChannels_));
    return made < 0 ? made : 0;
}

std::optional<std::string> ResamplePcm(const PcmAudio& in, int rate, PcmAudio& out)
{
    if (in.channels <= 0 || in.sampleRate <= 0 || rate <= 0)
        return std::string("Cannot resample: no sampling rate or channels given");
    if (in.frameCount() > static_cast<size_t>(std::numeric_limits<int>::max()))
        return std::string("Cannot resample: the sound is too long");
    AVChannelLayout layout = {};
    av_channel_layout_default(&layout, in.channels);
    Resampler resampler;
    out = PcmAudio{rate, in.channels, {}};
    out.samples.reserve(static_cast<size_t>(static_cast<double>(in.samples.size()) * rate / in.sampleRate) + 64);
    const uint8_t* planes[] = {reinterpret_cast<const uint8_t*>(in.samples.data())};
    int error = resampler.configure(in.sampleRate, AV_SAMPLE_FMT_S16, layout, rate, in.channels);
    if (error == 0)
        error = resampler.convert(planes, static_cast<int>(in.frameCount()), out.samples);
    if (error == 0)
        error = resampler.flush(out.samples);
    if (error < 0)
        return "Cannot resample: " + FfmpegErrorText(error);
    return std::nullopt;
}
