#include <QDir>

#include "app/SessionFixture.h"

using SessionBackgroundMusic = SessionFixture;

TEST_F(SessionBackgroundMusic, LoadConvertsOnceAndEmptyLetsItLoadAgain)
{
    const std::string rain = dir_.file("rain.mp3");
    ASSERT_TRUE(MakeTestSound(rain, 44100, 2, 0.3));
    port_.files = {rain, Wav("low.wav", 6000)};
    port_.samplingRates = {6000, 4000};
    session_.LoadBackgroundMusic();
    session_.LoadBackgroundMusic();  // ignored: the list holds an entry
    ASSERT_EQ(content().backgroundMusic.count(), 1);
    const CSound music = *content().backgroundMusic.at(0);
    EXPECT_EQ(std::tuple(music.path, music.name, music.sampleRate, music.stereo),
              std::tuple(soundFile("rain.mp3.wav"), "rain.mp3.wav", 6000, 0));

    session_.EmptyBackgroundMusic();
    EXPECT_TRUE(Exists(music.path));
    session_.LoadBackgroundMusic();
    EXPECT_EQ(content().backgroundMusic.at(0)->name, "low.wav");
    EXPECT_EQ(port_.samplingRateOffers, (std::vector{8000, 6000}));
    EXPECT_TRUE(port_.messages.empty());
}

TEST_F(SessionBackgroundMusic, RefusalsLeaveTheListAndTheLibraryFilesAlone)
{
    WriteBytes(soundFile("tune.mp3.wav"), {1, 2, 3});
    Reopen([&](ProjectContent& c) {
        c.library.append(Entry("bell.wav"));
        c.library.append(Entry("tune.mp3.wav"));
    });
    const std::string tune = dir_.file("tune.mp3");
    ASSERT_TRUE(MakeTestSound(tune, 8000, 1, 0.1));
    WriteTestWav(soundFile("own.wav"), 8000, 1, 16, 0.1);
    WriteBytes(dir_.file("noise.wav"), {'n', 'o'});

    // The converted name would write over a library sound; "noise.wav" is no sound.
    port_.files = {Wav("bell.wav"), tune, soundFile("own.wav"), dir_.file("noise.wav")};
    port_.samplingRates = {8000, 8000};
    for (int i = 0; i < 4; ++i)
        session_.LoadBackgroundMusic();
    EXPECT_THAT(Texts(port_.messages), ElementsAre("Sound file loaded already!", "Sound file loaded already!",
                                                   "Cannot save to the source file!", HasSubstr("noise.wav")));
    EXPECT_EQ(ReadBytes(soundFile("tune.mp3.wav")), (std::vector<uint8_t>{1, 2, 3}));

    // A conversion that cannot be written adds nothing.
    QDir(ToQtPath(soundFile(""))).removeRecursively();
    port_.files = {Wav("song.wav")};
    session_.LoadBackgroundMusic();
    EXPECT_EQ(port_.messages.back().icon, MessageIcon::Error);
    EXPECT_TRUE(content().backgroundMusic.empty() && port_.rebuilds.empty());

    session_.PlayBackgroundMusic();
    EXPECT_EQ(port_.messages.back().text, "Pls select a sound to play");
}
