#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "audio/AudioInfo.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

TEST(CliPrompts, SayWritesPreparedPromptsOrNothing)
{
    ScratchDir dir;
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"say", "--voices"}, &out, &err), 0) << err;
    for (const char* language : {" en\t", "\nde\t", "\nfr", " zh\t"})
        EXPECT_NE(("\n" + out).find(language), std::string::npos) << language;

    const std::string list = dir.file("prompts.txt");
    const std::string text = "welcome\tWelcome home\n\nbye\tGoodbye\n";
    WriteBytes(list, std::vector<uint8_t>(text.begin(), text.end()));
    const std::string folder = dir.file("out");
    ASSERT_EQ(RunProgram("kr615b", {"say", "--list", list, "--out", folder, "--rate", "12000", "--voice", "de"}, &out,
                         &err), 0) << err;
    for (const char* name : {"welcome.wav", "bye.wav"}) {
        const AudioInfo info = ReadAudioInfo(folder + "/" + name);
        EXPECT_EQ(info.sampleRate, 12000);
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.bits, 16);
    }

    const std::string bad = text + "oops\n";
    WriteBytes(list, std::vector<uint8_t>(bad.begin(), bad.end()));
    EXPECT_EQ(RunProgram("kr615b", {"say", "--list", list, "--out", dir.file("none"), "--rate", "8000"}, &out, &err), 1);
    EXPECT_NE(err.find("line 4"), std::string::npos) << err;
    EXPECT_FALSE(QDir(QString::fromStdString(dir.file("none"))).exists());
}

TEST(CliPrompts, RefusalsAndUsage)
{
    ScratchDir dir;
    const std::string wav = dir.file("tone.wav");
    WriteTestWav(wav, 44100, 2, 16, 0.5);
    WriteBytes(dir.file("text.wav"), {'R', 'I', 'F', 'F'});
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"prepare", wav, dir.file("o.wav"), "--rate", "11025"}, 2},
        {{"prepare", wav, dir.file("o.wav")}, 2},
        {{"prepare", wav, dir.file("o.wav"), "--rate", "8000", "--loudness", "0"}, 2},
        {{"prepare", dir.file("text.wav"), dir.file("o.wav"), "--rate", "8000"}, 1},
        {{"say", "hi", dir.file("o.wav"), "--rate", "8000", "--voice", "nosuchvoice"}, 2},
        {{"manifest", dir.file("missing.winproj"), "--out", dir.file("o.wav")}, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunProgram("kr615b", c.args), c.status) << c.args[0] << " " << c.args.back();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("o.wav"))));
    }
    EXPECT_EQ(RunProgram("kr615b", {"prepare", wav, dir.file("p.wav"), "--rate", "22000", "--margin", "0"}), 0);
    EXPECT_EQ(ReadAudioInfo(dir.file("p.wav")).sampleRate, 22000);
}
