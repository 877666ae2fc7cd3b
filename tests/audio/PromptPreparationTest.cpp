#include <gtest/gtest.h>

#include <tuple>

#include <QProcess>
#include <QRegularExpression>

#include "audio/PromptPreparation.h"
#include "common/TestFiles.h"

namespace {

// A sound made by the ffmpeg program from a lavfi source and filters.
void MakeSound(const std::string& path, const std::string& source, const std::string& filters)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", QString::fromStdString(source),
                            "-af", QString::fromStdString(filters), QString::fromStdString(path)});
    ASSERT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0) << path;
}

// Loudness (LUFS), peak (dBFS) and length (s), measured by the ffmpeg
// program's ebur128, apart from the code under test.
std::tuple<double, double, double> MeasureFile(const std::string& path)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-nostats", "-i", QString::fromStdString(path), "-af", "ebur128=peak=sample",
                            "-f", "null", "-"});
    ffmpeg.waitForFinished(60000);
    const QString log = QString::fromUtf8(ffmpeg.readAllStandardError());
    const auto value = [&](const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(log).captured(1).toDouble();
    };
    return {value(R"(\n\s+I:\s+(-?[\d.]+) LUFS)"), value(R"(\n\s+Peak:\s+(-?[\d.]+) dBFS)"),
            value(R"(time=00:00:(\d+\.\d+))")};
}

}  // namespace

TEST(PromptPreparation, LevelsTrimsAndNeverClips)
{
    ScratchDir dir;
    struct Case {
        const char* name;
        std::string source, filters;
        PrepareOptions options;
        double seconds;  // expected length
    };
    PrepareOptions at16k;
    at16k.rate = 16000;
    PrepareOptions untrimmed = at16k;
    untrimmed.trim = false;
    untrimmed.loudness = -20;
    const Case cases[] = {
        // quiet stereo MP3 tone with silence around it: 1.5 s + 2 x 100 ms
        {"quiet.mp3", "sine=f=440:d=1.5:sample_rate=44100", "volume=-25dB,adelay=700:all=1,apad=pad_dur=0.8", at16k,
         1.7},
        // full-scale noise would clip when raised: limited at -1 dBFS
        {"loud.flac", "anoisesrc=d=2:c=pink:a=1:r=48000", "volume=0dB", at16k, 2.0},
        {"kept.ogg", "sine=f=300:d=1", "adelay=500:all=1", untrimmed, 1.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string in = dir.file(c.name);
        const std::string out = dir.file(std::string(c.name) + ".wav");
        MakeSound(in, c.source, c.filters);
        ASSERT_EQ(PrepareSound(in, out, c.options), std::nullopt);
        const auto [loudness, peak, seconds] = MeasureFile(out);
        EXPECT_NEAR(loudness, c.options.loudness, 0.5);
        EXPECT_LE(peak, -1.0);
        EXPECT_NEAR(seconds, c.seconds, 0.05);
    }
}
