#include "app/ProjectSessionFixture.h"
#include "audio/AudioInfo.h"
#include "common/TestSound.h"

TEST_F(ProjectSessionTest, CompileWritesTheBinForTheSelectedFlashWithProgress)
{
    session.Compile();  // no project: nothing
    EXPECT_TRUE(port.messages.empty());

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

TEST_F(ProjectSessionTest, LoadExternalBinOnlySetsThePath)
{
    NewProject();
    port.files.push_back(dir.file("ext.bin"));
    session.LoadExternalBin();
    EXPECT_EQ(port.fileChoices.back().filter, "BIN Files(*.bin)|*.bin||");
    EXPECT_EQ(port.fileChoices.back().kind, FileChoice::Kind::Open);
    session.LoadExternalBin();  // cancelled: the path stays
    const COptions& options = session.project().content.options;
    EXPECT_EQ(options.externalBinPath, dir.file("ext.bin"));
    EXPECT_EQ(options.externalMode, 0);
}

TEST_F(ProjectSessionTest, ConvertWritesAWavAtTheChosenRate)
{
    const std::string source = dir.file("in.wav");
    WriteTestWav(source, 44100, 2, 16, 0.5);
    const std::string target = dir.file("out.wav");
    port.files = {source, target};
    port.samplingRates.push_back(12000);
    session.ConvertToWav();
    EXPECT_EQ(port.messageTexts(), std::vector<std::string>{"MP3/WMA to WAV Convert OK!"});
    EXPECT_EQ(port.samplingRateOffers, std::vector<int>{22000});
    ASSERT_EQ(port.fileChoices.size(), 2u);
    EXPECT_EQ(port.fileChoices[1].filter, "WAV Files(*.wav)|*.wav||");
    EXPECT_EQ(port.fileChoices[1].defaultExtension, "wav");
    const AudioInfo info = ReadAudioInfo(target);
    EXPECT_EQ(info.sampleRate, 12000);
    EXPECT_EQ(info.channels, 1);
}

TEST_F(ProjectSessionTest, ConvertRefusesOrReportsWithoutDamage)
{
    const std::string source = dir.file("in.wav");
    WriteTestWav(source, 8000, 1, 16, 0.1);
    const std::vector<uint8_t> original = ReadBytes(source);

    // The source as its own destination, also when named another way.
    port.files = {source, dir.path() + "/./in.wav"};
    port.samplingRates.push_back(4000);
    session.ConvertToWav();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find("in.wav"), std::string::npos);
    EXPECT_EQ(ReadBytes(source), original);

    // Cancelling the rate ends the command before the save dialog.
    port.files = {source};
    session.ConvertToWav();
    EXPECT_EQ(port.fileChoices.size(), 3u);

    // A source that is no sound is reported, not announced as converted.
    const std::string junk = dir.file("junk.mp3");
    WriteBytes(junk, {1, 2, 3});
    port.files = {junk, dir.file("out.wav")};
    port.samplingRates.push_back(8000);
    port.messages.clear();
    session.ConvertToWav();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(QFileInfo::exists(ToQtPath(dir.file("out.wav"))));
}
