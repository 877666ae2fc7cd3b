// Figures of the voice codec on speech at the chip's common rates: quality
// (SNR of the decoded speech against its source), size per 65 samples and
// encoder and decoder speed on one core (fastest and median of 7 runs). For
// reference 4-bit IMA ADPCM, FFmpeg's encoder, on the same speech: its SNR,
// and its speed in this process, run between ours so that both meet the
// same load; the last column is our encoder's median speed over its.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QCoreApplication>
#include <QFile>

#include "SpeechFixture.h"
#include "Timing.h"
#include "VoiceFile.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

double Snr(const std::vector<int16_t>& source, const std::vector<int16_t>& decoded)
{
    double signal = 0, noise = 0;
    for (size_t i = 0; i < source.size() && i < decoded.size(); ++i) {
        const double s = source[i], e = s - decoded[i];
        signal += s * s;
        noise += e * e;
    }
    return 10 * std::log10(signal / noise);
}

// Seconds of this thread's processor time of each of `runs` runs, so that
// other work on the machine counts as little as possible.
template <typename F> Times CpuTimes(int runs, F&& f)
{
    std::vector<double> t;
    for (int r = 0; r < runs; ++r) {
        timespec a, b;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        f();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        t.push_back(double(b.tv_sec - a.tv_sec) + 1e-9 * double(b.tv_nsec - a.tv_nsec));
    }
    return MinAndMedian(t);
}

// Encodes the speech with FFmpeg's IMA ADPCM encoder; false when it is
// missing or fails.
bool ImaEncode(const voice::PcmSound& speech)
{
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_ADPCM_IMA_WAV);
    AVCodecContext* context = codec ? avcodec_alloc_context3(codec) : nullptr;
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    bool ok = context && frame && packet;
    if (ok) {
        context->sample_rate = int(speech.sampleRate);
        context->sample_fmt = AV_SAMPLE_FMT_S16P;
        av_channel_layout_default(&context->ch_layout, 1);
        ok = avcodec_open2(context, codec, nullptr) == 0;
    }
    if (ok) {
        frame->nb_samples = context->frame_size;
        frame->format = context->sample_fmt;
        ok = av_channel_layout_copy(&frame->ch_layout, &context->ch_layout) == 0 && av_frame_get_buffer(frame, 0) == 0;
    }
    // Whole frames only (the encoder takes no other), then the end.
    const size_t frameSize = ok ? size_t(context->frame_size) : 0;
    for (size_t at = 0; ok && at + frameSize <= speech.samples.size(); at += frameSize) {
        ok = av_frame_make_writable(frame) == 0;
        if (ok)
            std::copy_n(speech.samples.data() + at, frameSize, reinterpret_cast<int16_t*>(frame->data[0]));
        ok = ok && avcodec_send_frame(context, frame) == 0;
        while (ok && avcodec_receive_packet(context, packet) == 0)
            av_packet_unref(packet);
    }
    ok = ok && avcodec_send_frame(context, nullptr) == 0;
    while (ok && avcodec_receive_packet(context, packet) == 0)
        av_packet_unref(packet);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&context);
    return ok;
}

// SNR of FFmpeg's IMA ADPCM round trip, or NaN when ffmpeg is missing.
double ImaSnr(const QTemporaryDir& dir, const voice::PcmSound& speech)
{
    const QString source = dir.filePath("ima-in.wav"), coded = dir.filePath("ima.wav"),
                  back = dir.filePath("ima-out.wav");
    const std::vector<uint8_t> wav = voice::WavBytes(speech);
    QFile f(source);
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(wav.data()), qint64(wav.size())) < 0)
        return NAN;
    f.close();
    if (!Run("ffmpeg", {"-loglevel", "error", "-y", "-i", source, "-c:a", "adpcm_ima_wav", coded}) ||
        !Run("ffmpeg", {"-loglevel", "error", "-y", "-i", coded, "-c:a", "pcm_s16le", back}))
        return NAN;
    const auto decoded = voice::ReadWavFile(back.toStdString(), nullptr);
    return decoded ? Snr(speech.samples, decoded->samples) : NAN;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%-6s %8s %7s %9s %16s %16s %7s %16s %9s\n", "rate", "samples", "SNR dB", "bytes/65",
                "encode Ms/s", "decode Ms/s", "IMA dB", "IMA enc. Ms/s", "enc./IMA");
    std::printf("%-6s %8s %7s %9s %16s %16s %7s %16s %9s\n", "", "", "", "", "fastest median", "fastest median", "",
                "fastest median", "median");
    for (int rate : {8000, 16000, 22000}) {
        const auto speech = MakeSpeech(dir, rate);
        if (!speech) {
            std::fprintf(stderr, "bench_codec: espeak-ng and sox are needed to make the speech\n");
            return 1;
        }
        std::vector<uint8_t> data;
        bool imaEncoded = true;
        std::vector<double> ours, ima;
        for (int r = 0; r < 7; ++r) {
            ours.push_back(CpuTimes(1, [&] { data = voice::EncodeVoice(*speech); }).min);
            ima.push_back(CpuTimes(1, [&] { imaEncoded = ImaEncode(*speech) && imaEncoded; }).min);
        }
        std::optional<voice::PcmSound> decoded;
        const Times decode = CpuTimes(7, [&] { decoded = voice::DecodeVoice(data.data(), data.size(), nullptr); });
        const double n = double(speech->samples.size()) / 1e6;
        const Times encode = MinAndMedian(ours), reference = MinAndMedian(ima);
        std::printf("%-6d %8.0f %7.2f %9.2f %8.1f %7.1f %8.1f %7.1f %7.2f %8.1f %7.1f %9.2f\n", rate, n * 1e6,
                    Snr(speech->samples, decoded->samples), double(data.size()) * 65 / (n * 1e6), n / encode.min,
                    n / encode.median, n / decode.min, n / decode.median, ImaSnr(dir, *speech),
                    imaEncoded ? n / reference.min : NAN, imaEncoded ? n / reference.median : NAN,
                    imaEncoded ? reference.median / encode.median : NAN);
    }
    return 0;
}
