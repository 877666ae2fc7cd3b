// Figures of the voice codec on speech at the chip's common rates: quality
// (SNR of the decoded speech against its source), size per 65 samples and
// encoder and decoder speed on one core. For reference the SNR of 4-bit IMA
// ADPCM (FFmpeg's encoder) on the same speech.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include <QCoreApplication>
#include <QFile>

#include "SpeechFixture.h"
#include "VoiceFile.h"

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

// The best of several runs, in seconds of this thread's processor time, so
// that other work on the machine counts as little as possible.
template <typename F> double BestTime(int runs, F&& f)
{
    double best = 1e9;
    for (int r = 0; r < runs; ++r) {
        timespec a, b;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        f();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        best = std::min(best, double(b.tv_sec - a.tv_sec) + 1e-9 * double(b.tv_nsec - a.tv_nsec));
    }
    return best;
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
    std::printf("%-8s %9s %9s %12s %14s %14s %9s\n", "rate", "samples", "SNR dB", "bytes/65", "encode Ms/s",
                "decode Ms/s", "IMA dB");
    for (int rate : {8000, 16000, 22000}) {
        const auto speech = MakeSpeech(dir, rate);
        if (!speech) {
            std::fprintf(stderr, "bench_codec: espeak-ng and sox are needed to make the speech\n");
            return 1;
        }
        std::vector<uint8_t> data;
        const double encode = BestTime(7, [&] { data = voice::EncodeVoice(*speech); });
        std::optional<voice::PcmSound> decoded;
        const double decode = BestTime(7, [&] { decoded = voice::DecodeVoice(data.data(), data.size(), nullptr); });
        const double n = double(speech->samples.size());
        std::printf("%-8d %9.0f %9.2f %12.2f %14.1f %14.1f %9.2f\n", rate, n, Snr(speech->samples, decoded->samples),
                    double(data.size()) * 65 / n, n / encode / 1e6, n / decode / 1e6, ImaSnr(dir, *speech));
    }
    return 0;
}
