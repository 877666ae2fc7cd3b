#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "PcmSound.h"
#include "audio/AudioConvert.h"
#include "audio/AudioDecoder.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

namespace {

// A converted WAV's samples, read by the voice converter's own reader so the
// check does not depend on the decoder under test.
voice::PcmSound ReadWav(const std::string& path)
{
    const auto sound = voice::ReadWavFile(path, nullptr);
    return sound ? *sound : voice::PcmSound{};
}

// Root mean square relative to full scale: a sine at half scale is 0.354.
double Level(const std::vector<int16_t>& samples)
{
    double sum = 0;
    for (int16_t s : samples)
        sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size()) / 32768.0;
}

}  // namespace

// Every accepted rate, from compressed and PCM sources of every sample
// width. A 5000 Hz tone lies above what 8000 Hz can carry: it survives a
// conversion to 14000 Hz and up, and is filtered out of one to 6000 Hz.
TEST(ConvertSound, WritesMonoAtEveryAcceptedRateWithItsBandwidth)
{
    ScratchDir dir;
    const std::string sources[] = {dir.file("stereo.mp3"), dir.file("wide.wav"), dir.file("narrow.wav"),
                                   dir.file("high.wav")};
    ASSERT_TRUE(MakeTestSound(sources[0], 44100, 2, 2.0));
    WriteTestWav(sources[1], 22050, 1, 24, 2.0);
    WriteTestWav(sources[2], 11025, 2, 8, 2.0);
    WriteTestWav(sources[3], 44100, 2, 16, 2.0, 5000);
    for (int rate = 4000; rate <= 22000; rate += 2000) {
        const std::string& source = sources[rate / 2000 % 4];
        SCOPED_TRACE(source + " to " + std::to_string(rate));
        const std::string out = dir.file("out.wav");
        ASSERT_EQ(ConvertSound(source, out, rate), std::nullopt);
        const voice::PcmSound w = ReadWav(out);
        EXPECT_EQ(w.sampleRate, uint32_t(rate));
        // The decoder drops the encoder's delay and padding; the resampler
        // keeps the length to within its filter's few samples.
        EXPECT_NEAR(double(w.samples.size()) / rate, 2.0, 0.01);
        // Stereo is mixed, not summed: the half-scale tone stays half scale.
        EXPECT_NEAR(Level(w.samples), source == sources[3] && rate < 10000 ? 0.0 : 0.354, 0.02);
    }
}

TEST(ConvertSound, SourceAsDestinationAndFailuresKeepFiles)
{
    ScratchDir dir;
    const std::string wma = dir.file("voice.wma");
    ASSERT_TRUE(MakeTestSound(wma, 22050, 1, 1.0));
    ASSERT_EQ(ConvertSound(wma, wma, 8000), std::nullopt);
    EXPECT_EQ(ReadWav(wma).sampleRate, 8000u);

    // A failed conversion leaves the destination as it was.
    const std::vector<uint8_t> before = ReadBytes(wma);
    WriteBytes(dir.file("text.mp3"), {'n', 'o', 't', ' ', 's', 'o', 'u', 'n', 'd'});
    for (const std::string& source : {dir.file("text.mp3"), dir.file("missing.mp3")}) {
        const auto error = ConvertSound(source, wma, 8000);
        ASSERT_TRUE(error);
        EXPECT_NE(error->find(source), std::string::npos) << *error;
        EXPECT_EQ(ReadBytes(wma), before);
    }
    // An empty sound is refused rather than written as a file of nothing.
    WriteTestWav(dir.file("empty.wav"), 8000, 1, 16, 0);
    EXPECT_TRUE(ConvertSound(dir.file("empty.wav"), wma, 8000));
    EXPECT_EQ(ReadBytes(wma), before);

    const auto unwritable = ConvertSound(wma, dir.file("no/such/folder/x.wav"), 8000);
    ASSERT_TRUE(unwritable);
    EXPECT_NE(unwritable->find("Cannot write"), std::string::npos);
    EXPECT_TRUE(ConvertSound(wma, dir.file("x.wav"), 0));
}

// A file decodes at its own format to its exact length: no sample is lost
// or added at the end of the stream.
TEST(AudioDecoder, DecodesAFileAtItsOwnFormatToItsExactLength)
{
    ScratchDir dir;
    const std::string wav = dir.file("tone.wav");
    WriteTestWav(wav, 11025, 2, 24, 0.5);
    PcmAudio own;
    ASSERT_EQ(DecodeAudioFile(wav, 0, 0, own), std::nullopt);
    EXPECT_EQ(std::tuple(own.sampleRate, own.channels, own.frameCount()), std::tuple(11025, 2, size_t(5513)));
    EXPECT_NEAR(Level(own.samples), 0.354, 0.01);
}
