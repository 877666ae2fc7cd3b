#include "app/SessionFixture.h"
#include "audio/AudioInfo.h"

using SessionBuild = SessionFixture;

TEST_F(SessionBuild, CompileWritesTheBinForTheSelectedFlashWithProgress)
{
    const std::string file = NewProject();
    session_.SelectFlashSize(5);  // "2M"
    session_.Compile();
    EXPECT_EQ(Texts(port_.messages), std::vector<std::string>{"BIN File Saved!\nSize: 262144 bytes"});
    const std::vector<uint8_t> bin = ReadBytes(file + ".bin");
    ASSERT_EQ(bin.size(), 262144u);
    EXPECT_EQ(bin[30], 2);  // the flash-size code of 2M
    // An empty bar, then the one conversion (the silence) done.
    EXPECT_EQ(port_.progress, (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}}));
}

TEST_F(SessionBuild, ConvertWritesAWavAtTheChosenRateOrSaysWhyNot)
{
    const std::string source = dir_.file("in.wav");
    WriteTestWav(source, 44100, 2, 16, 0.2);
    const std::vector<uint8_t> original = ReadBytes(source);
    const std::string target = dir_.file("out.wav");
    port_.files = {source, target};
    port_.samplingRates.push_back(12000);
    session_.ConvertToWav();
    EXPECT_EQ(Texts(port_.messages), std::vector<std::string>{"MP3/WMA to WAV Convert OK!"});
    EXPECT_EQ(port_.samplingRateOffers, std::vector<int>{22000});
    EXPECT_EQ(ReadAudioInfo(target).sampleRate, 12000);

    // The source as its own destination, also when named another way.
    port_.files = {source, dir_.path() + "/./in.wav"};
    port_.samplingRates.push_back(4000);
    port_.messages.clear();
    session_.ConvertToWav();
    EXPECT_THAT(Texts(port_.messages), ElementsAre(HasSubstr("in.wav")));
    EXPECT_EQ(ReadBytes(source), original);

    // A source that is no sound is reported, not announced as converted.
    WriteBytes(dir_.file("junk.mp3"), {1, 2, 3});
    port_.files = {dir_.file("junk.mp3"), dir_.file("new.wav")};
    port_.samplingRates.push_back(8000);
    port_.messages.clear();
    session_.ConvertToWav();
    EXPECT_THAT(port_.messages, ElementsAre(testing::Field(&UserMessage::icon, MessageIcon::Error)));
    EXPECT_FALSE(Exists(dir_.file("new.wav")));
}
