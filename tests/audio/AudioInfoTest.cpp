#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "audio/AudioInfo.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

TEST(AudioInfo, WavsReportTheStoredFormatAndBuildTheRecord)
{
    // 8000 Hz makes 1.2345 s a whole number of frames (9876); the last five
    // are frame counts whose division by the rate lands just below the whole
    // millisecond in binary, which must not cut the length short.
    const struct {
        int rate, channels, bits, ms;
        double seconds;
    } cases[] = {{8000, 1, 8, 1234, 1.2345},   {8000, 1, 24, 1234, 1.2345}, {8000, 6, 16, 1234, 1.2345},
                 {22050, 2, 32, 1234, 1.2345}, {22000, 1, 16, 400, 0.4},    {22000, 1, 16, 7, 0.007},
                 {16000, 1, 16, 1001, 1.001},  {8000, 1, 16, 1003, 1.003},  {22000, 1, 16, 2345, 2.345}};
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.ms) + " ms");
        const std::string path = dir.file("tone.wav");
        WriteTestWav(path, c.rate, c.channels, c.bits, c.seconds);
        const AudioInfo info = ReadAudioInfo(path);
        EXPECT_EQ(std::tuple(info.sampleRate, info.channels, info.bits, info.aux),
                  std::tuple(double(c.rate), c.channels, c.bits, double(c.rate) * c.channels * c.bits));
        EXPECT_NEAR(info.duration, c.seconds, 0.5 / c.rate);

        const CSound sound = MakeSoundRecord(path, "tone.wav");
        EXPECT_EQ(std::tuple(sound.stereo, sound.lengthMs, sound.auxValue),
                  std::tuple(c.channels == 1 ? 0 : 1, c.ms, c.rate * c.channels * c.bits));
        // The file forms of the rate rules read the file's rate.
        EXPECT_EQ(std::tuple(GetSourceRate(path), IsAcceptedSourceRate(path), StepDownRate(path)),
                  std::tuple(c.rate, c.rate != 22050, c.rate == 22050 ? 22000 : c.rate));
    }
}

TEST(AudioInfo, UnreadableFilesGiveZerosAndAMessage)
{
    ScratchDir dir;
    WriteBytes(dir.file("notes.wav"), {'h', 'e', 'l', 'l', 'o', '\n'});
    WriteTestWav(dir.file("good.wav"), 8000, 1, 16, 0.1);
    // A name FFmpeg would take for a protocol stays a file name, so this
    // names no file rather than the good one.
    const std::string protocolLike = "concat:" + dir.file("good.wav");
    for (const std::string& path : {dir.file("missing.wav"), dir.file("notes.wav"), protocolLike}) {
        SCOPED_TRACE(path);
        AudioInfo info;
        const auto error = ProbeAudioFile(path, info);
        ASSERT_TRUE(error);
        EXPECT_NE(error->find(path), std::string::npos);
        const AudioInfo zeros = ReadAudioInfo(path);
        EXPECT_EQ(std::tuple(zeros.sampleRate, zeros.duration, zeros.channels, zeros.bits, zeros.aux),
                  std::tuple(0.0, 0.0, 0, 0, 0.0));
        // No channels is not mono.
        EXPECT_EQ(MakeSoundRecord(path, "x.wav").stereo, 1);
        EXPECT_EQ(StepDownRate(path), 4000);
    }
}

TEST(AudioInfo, RateRules)
{
    struct {
        double rate;
        bool accepted;
        int stepDown;
    } const cases[] = {
        {22050, false, 22000}, {22000, true, 22000}, {11025, false, 10000}, {11000, false, 10000},
        {16000, true, 16000},  {16000.5, false, 16000}, {8000, true, 8000},  {6000, true, 6000},
        {5999, false, 4000},   {4000, true, 4000},     {3000, false, 4000}, {0, false, 4000},
        {NAN, false, 4000},    {96000, false, 22000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        EXPECT_EQ(IsAcceptedRate(c.rate), c.accepted);
        EXPECT_EQ(StepDownSampleRate(c.rate), c.stepDown);
    }
    EXPECT_EQ(std::tuple(TruncateToInt32(1234.999), TruncateToInt32(-0.5), TruncateToInt32(NAN), TruncateToInt32(1e30),
                         TruncateToInt32(-1e30)),
              std::tuple(1234, 0, 0, INT32_MAX, INT32_MIN));
}
