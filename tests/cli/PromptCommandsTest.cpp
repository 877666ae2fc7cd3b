#include <gtest/gtest.h>

#include <QDir>

#include "audio/AudioInfo.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"

TEST(CliPrompts, SayAndPrepareWritePreparedSoundsOrNothing)
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
    for (const char* name : {"welcome.wav", "bye.wav"})
        EXPECT_EQ(ReadAudioInfo(folder + "/" + name).sampleRate, 12000);

    const std::string bad = text + "oops\n";
    WriteBytes(list, std::vector<uint8_t>(bad.begin(), bad.end()));
    EXPECT_EQ(RunProgram("kr615b", {"say", "--list", list, "--out", dir.file("none"), "--rate", "8000"}, &out, &err), 1);
    EXPECT_NE(err.find("line 4"), std::string::npos) << err;
    EXPECT_FALSE(QDir(QString::fromStdString(dir.file("none"))).exists());

    EXPECT_EQ(RunProgram("kr615b", {"say", "--rate", "8000", "--", "-5 degrees", dir.file("one.wav")}, &out, &err), 0)
        << err;
    EXPECT_EQ(ReadAudioInfo(dir.file("one.wav")).sampleRate, 8000);
    WriteTestWav(dir.file("tone.wav"), 44100, 2, 16, 0.5);
    EXPECT_EQ(RunProgram("kr615b", {"prepare", dir.file("tone.wav"), dir.file("p.wav"), "--rate", "22000", "--margin", "0"}),
              0);
    EXPECT_EQ(ReadAudioInfo(dir.file("p.wav")).sampleRate, 22000);
}
