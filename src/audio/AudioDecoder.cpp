#include "audio/AudioDecoder.h"

#include "audio/FfmpegInput.h"
#include "audio/Resampler.h"

struct AudioDecoder::State {
    std::string path;
    FfmpegInput input;
    CodecContextPtr codec;
    PacketPtr packet{av_packet_alloc()};
    FramePtr frame{av_frame_alloc()};
    Resampler resampler;
    int outRate = 0;
    int outChannels = 0;
    bool inputEnded = false;  // the decoder was told that no packet follows
    bool finished = false;
    std::optional<std::string> error;

    bool fail(int code)
    {
        error = FfmpegReadError(path, code);
        finished = true;
        return false;
    }

    // Converts the frame just decoded; a change of the stream's format
    // midway (joined MP3 files) gets a fresh resampler.
    int convertFrame(std::vector<int16_t>& out)
    {
        const int rate = frame->sample_rate > 0 ? frame->sample_rate : codec->sample_rate;
        if (!resampler.matches(rate, frame->format, frame->ch_layout)) {
            if (resampler.configured()) {
                if (int error = resampler.flush(out); error < 0)
                    return error;
            }
            const int error = resampler.configure(rate, static_cast<AVSampleFormat>(frame->format), frame->ch_layout,
                                                  outRate, outChannels);
            if (error < 0)
                return error;
        }
        return resampler.convert(frame->extended_data, frame->nb_samples, out);
    }
};

AudioDecoder::AudioDecoder() = default;
AudioDecoder::~AudioDecoder() = default;
AudioDecoder::AudioDecoder(AudioDecoder&&) noexcept = default;
AudioDecoder& AudioDecoder::operator=(AudioDecoder&&) noexcept = default;

std::optional<std::string> AudioDecoder::open(const std::string& path, int rate, int channels)
{
    return start(path, rate, channels, nullptr);
}

std::optional<std::string> AudioDecoder::openBytes(std::vector<uint8_t> bytes, const std::string& name, int rate,
                                                   int channels)
{
    return start(name, rate, channels, &bytes);
}

std::optional<std::string> AudioDecoder::start(const std::string& path, int rate, int channels,
                                               std::vector<uint8_t>* bytes)
{
    state_ = std::make_unique<State>();
    State& s = *state_;
    s.path = path;
    s.finished = true;  // until everything below succeeds
    const auto failed = [&](std::string message) {
        s.error = message;
        return std::optional<std::string>(std::move(message));
    };
    if (rate < 0 || channels < 0)
        return failed("Cannot decode " + path + ": a negative rate or channel count was asked for");
    if (!s.packet || !s.frame)
        return failed(FfmpegReadError(path, AVERROR(ENOMEM)));
    if (auto error = bytes ? OpenFfmpegMemoryInput(std::move(*bytes), path, s.input) : OpenFfmpegInput(path, s.input))
        return failed(*error);

    const AVCodecParameters* parameters = s.input.stream->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder)
        return failed("Cannot read " + path + ": no decoder for its sound format");
    s.codec.reset(avcodec_alloc_context3(decoder));
    if (!s.codec)
        return failed(FfmpegReadError(path, AVERROR(ENOMEM)));
    int code = avcodec_parameters_to_context(s.codec.get(), parameters);
    s.codec->pkt_timebase = s.input.stream->time_base;
    if (code >= 0)
        code = avcodec_open2(s.codec.get(), decoder, nullptr);
    if (code < 0)
        return failed(FfmpegReadError(path, code));

    s.outRate = rate > 0 ? rate : s.codec->sample_rate;
    s.outChannels = channels > 0 ? channels : s.codec->ch_layout.nb_channels;
    if (s.outRate <= 0 || s.outChannels <= 0)
        return failed("Cannot read " + path + ": its sampling rate or channel count is unknown");
    s.finished = false;
    return std::nullopt;
}

int AudioDecoder::sampleRate() const
{
    return state_ ? state_->outRate : 0;
}

int AudioDecoder::channels() const
{
    return state_ ? state_->outChannels : 0;
}

const std::optional<std::string>& AudioDecoder::error() const
{
    static const std::optional<std::string> none;
    return state_ ? state_->error : none;
}

bool AudioDecoder::decodeMore(std::vector<int16_t>& out)
{
    if (!state_ || state_->finished)
        return false;
    State& s = *state_;
    const size_t before = out.size();
    while (out.size() == before) {
        int code = avcodec_receive_frame(s.codec.get(), s.frame.get());
        if (code == 0) {
            code = s.convertFrame(out);
            av_frame_unref(s.frame.get());
            if (code < 0)
                return s.fail(code);
            continue;
        }
        if (code == AVERROR_EOF) {
            s.finished = true;
            if (s.resampler.configured()) {
                if (code = s.resampler.flush(out); code < 0)
                    return s.fail(code);
            }
            return out.size() != before;
        }
        if (code == AVERROR_INVALIDDATA)
            continue;  // a damaged frame; the decoder has dropped it
        if (code != AVERROR(EAGAIN) || s.inputEnded)
            return s.fail(code);

        code = av_read_frame(s.input.format.get(), s.packet.get());
        if (code == AVERROR_EOF) {
            avcodec_send_packet(s.codec.get(), nullptr);
            s.inputEnded = true;
            continue;
        }
        if (code < 0)
            return s.fail(code);
        if (s.packet->stream_index == s.input.stream->index)
            code = avcodec_send_packet(s.codec.get(), s.packet.get());
        av_packet_unref(s.packet.get());
        // A packet the decoder refuses is damaged data: skip it as players
        // do. Only running out of memory ends the decoding.
        if (code == AVERROR(ENOMEM))
            return s.fail(code);
    }
    return true;
}

std::optional<std::string> DecodeAudioFile(const std::string& path, int rate, int channels, PcmAudio& out)
{
    AudioDecoder decoder;
    if (auto error = decoder.open(path, rate, channels))
        return error;
    out = PcmAudio{decoder.sampleRate(), decoder.channels(), {}};
    while (decoder.decodeMore(out.samples)) {
    }
    return decoder.error();
}
