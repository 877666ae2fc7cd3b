#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "audio/AudioConvert.h"
#include "audio/AudioDecoder.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

namespace {

// A 16-bit PCM WAV read straight from its bytes, so the check does not
// depend on the decoder under test.
struct WavContent {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;
};

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= uint32_t{b.at(at + i)} << (8 * i);
    return v;
}

WavContent ReadWav(const std::string& path)
{
    const std::vector<uint8_t> b = ReadBytes(path);
    WavContent w;
    if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVEfmt ", 8) ||
        std::memcmp(b.data() + 36, "data", 4) || Le(b, 4, 4) != b.size() - 8 || Le(b, 40, 4) != b.size() - 44)
        return w;
    w.format = int(Le(b, 20, 2));
    w.channels = int(Le(b, 22, 2));
    w.rate = int(Le(b, 24, 4));
    w.bits = int(Le(b, 34, 2));
    for (size_t at = 44; at + 1 < b.size(); at += 2)
        w.samples.push_back(static_cast<int16_t>(Le(b, at, 2)));
    return w;
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

TEST(ConvertSound, WritesMono16BitAtEveryAcceptedRate)
{
    ScratchDir dir;
    const std::string source = dir.file("stereo.mp3");
    ASSERT_TRUE(MakeTestSound(source, 44100, 2, 2.0));
    for (int rate = 4000; rate <= 22000; rate += 2000) {
        SCOPED_TRACE(rate);
        const std::string out = dir.file("out.wav");
        ASSERT_EQ(ConvertSound(source, out, rate), std::nullopt);
        const WavContent w = ReadWav(out);
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, rate);
        EXPECT_EQ(w.bits, 16);
        // The decoder drops the encoder's delay and padding; the resampler
        // keeps the length to within its filter's few samples.
        EXPECT_NEAR(double(w.samples.size()) / rate, 2.0, 0.01);
        // Stereo is mixed, not summed: the half-scale tone stays half scale.
        EXPECT_NEAR(Level(w.samples), 0.354, 0.03);
    }
}

TEST(ConvertSound, HighRatesKeepTheirBandwidth)
{
    // A 5000 Hz tone lies above what 8000 Hz can carry: it survives a
    // conversion to 16000 Hz and is filtered out of one to 6000 Hz.
    ScratchDir dir;
    const std::string source = dir.file("high.wav");
    WriteTestWav(source, 44100, 2, 16, 1.0, 5000);
    ASSERT_EQ(ConvertSound(source, dir.file("16k.wav"), 16000), std::nullopt);
    ASSERT_EQ(ConvertSound(source, dir.file("6k.wav"), 6000), std::nullopt);
    EXPECT_NEAR(Level(ReadWav(dir.file("16k.wav")).samples), 0.354, 0.02);
    EXPECT_LT(Level(ReadWav(dir.file("6k.wav")).samples), 0.02);
}

TEST(ConvertSound, SourceAsDestinationAndFailuresKeepFiles)
{
    ScratchDir dir;
    const std::string wma = dir.file("voice.wma");
    ASSERT_TRUE(MakeTestSound(wma, 22050, 1, 1.0));
    ASSERT_EQ(ConvertSound(wma, wma, 8000), std::nullopt);
    EXPECT_EQ(ReadWav(wma).rate, 8000);

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

TEST(AudioDecoder, DecodesAnyWidthToSixteenBitsAtTheAskedFormat)
{
    ScratchDir dir;
    for (int bits : {8, 16, 24}) {
        SCOPED_TRACE(bits);
        const std::string path = dir.file("tone" + std::to_string(bits) + ".wav");
        WriteTestWav(path, 11025, 2, bits, 0.5);

        PcmAudio own;
        ASSERT_EQ(DecodeAudioFile(path, 0, 0, own), std::nullopt);
        EXPECT_EQ(own.sampleRate, 11025);
        EXPECT_EQ(own.channels, 2);
        EXPECT_EQ(own.frameCount(), 5513u);  // round(0.5 * 11025)
        EXPECT_NEAR(Level(own.samples), 0.354, 0.01);

        PcmAudio mono;
        ASSERT_EQ(DecodeAudioFile(path, 22050, 1, mono), std::nullopt);
        EXPECT_EQ(mono.sampleRate, 22050);
        EXPECT_EQ(mono.channels, 1);
        EXPECT_NEAR(mono.seconds(), 0.5, 0.002);
    }
}

// An MP3 decodes to its length without the encoder's padding, mono comes
// out as two channels when asked, and failures stay failures.
TEST(AudioDecoder, DecodesAnMp3AndRefusesWhatItCannotDecode)
{
    ScratchDir dir;
    const std::string path = dir.file("tone.mp3");
    ASSERT_TRUE(MakeTestSound(path, 44100, 1, 1.0));
    PcmAudio stereo;
    ASSERT_EQ(DecodeAudioFile(path, 0, 2, stereo), std::nullopt);
    EXPECT_EQ(stereo.sampleRate, 44100);
    EXPECT_EQ(stereo.channels, 2);
    EXPECT_NEAR(stereo.seconds(), 1.0, 0.01);

    AudioDecoder missing;
    std::vector<int16_t> samples;
    EXPECT_TRUE(missing.open(dir.file("missing.mp3")));
    EXPECT_TRUE(missing.error());
    EXPECT_FALSE(missing.decodeMore(samples));
    EXPECT_TRUE(AudioDecoder().open(path, -1, 1));
}
