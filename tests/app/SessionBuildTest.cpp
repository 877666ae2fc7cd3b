#include <QFileInfo>

#include "app/ProjectSessionFixture.h"
#include "audio/AudioInfo.h"
#include "common/TestSound.h"
#include "support/Paths.h"

TEST_F(ProjectSessionTest, CompileWritesTheBinForTheSelectedFlashWithProgress)
{
    const std::string file = NewProject();
    session.SelectFlashSize(5);  // "2M"
    session.Compile();
    EXPECT_EQ(port.messageTexts(), std::vector<std::string>{"BIN File Saved!\nSize: 262144 bytes"});
    const std::vector<uint8_t> bin = ReadBytes(file + ".bin");
    ASSERT_EQ(bin.size(), 262144u);
    EXPECT_EQ(bin[30], 2);  // the flash-size code of 2M
    // An empty bar, then the one conversion (the silence) done.
    EXPECT_EQ(port.progress, (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}}));
}

TEST_F(ProjectSessionTest, ConvertWritesAWavAtTheChosenRateOrSaysWhyNot)
{
    const std::string source = dir.file("in.wav");
    WriteTestWav(source, 44100, 2, 16, 0.2);
    const std::vector<uint8_t> original = ReadBytes(source);
    const std::string target = dir.file("out.wav");
    port.files = {source, target};
    port.samplingRates.push_back(12000);
    session.ConvertToWav();
    EXPECT_EQ(port.messageTexts(), std::vector<std::string>{"MP3/WMA to WAV Convert OK!"});
    EXPECT_EQ(port.samplingRateOffers, std::vector<int>{22000});
    EXPECT_EQ(ReadAudioInfo(target).sampleRate, 12000);

    // The source as its own destination, also when named another way.
    port.files = {source, dir.path() + "/./in.wav"};
    port.samplingRates.push_back(4000);
    port.messages.clear();
    session.ConvertToWav();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find("in.wav"), std::string::npos);
    EXPECT_EQ(ReadBytes(source), original);

    // A source that is no sound is reported, not announced as converted.
    WriteBytes(dir.file("junk.mp3"), {1, 2, 3});
    port.files = {dir.file("junk.mp3"), dir.file("new.wav")};
    port.samplingRates.push_back(8000);
    port.messages.clear();
    session.ConvertToWav();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(QFileInfo::exists(ToQtPath(dir.file("new.wav"))));
}
