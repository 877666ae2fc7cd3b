#include "app/SessionFixture.h"

#include <QFile>

using SessionPrompts = SessionFixture;

// The prepared WAVs go through the library's Load; a file that is not sound
// is reported once and does not stop the others.
TEST_F(SessionPrompts, PreparedSoundsAreLoadedThroughTheLoadChecks)
{
    ASSERT_TRUE(MakeTestSound(dir_.file("bell.mp3"), 44100, 2, 0.5));
    WriteBytes(dir_.file("notes.ogg"), {'t', 'e', 'x', 't'});
    PreparationRequest request;
    request.files = {dir_.file("notes.ogg"), dir_.file("bell.mp3")};
    request.folder = dir_.file("prepared");
    request.options.rate = 10000;
    request.load = true;
    port_.preparations.push_back(request);
    session_.PrepareSounds();

    ASSERT_EQ(port_.messages.size(), 1u);
    EXPECT_NE(port_.messages[0].text.find("notes.ogg"), std::string::npos);
    ASSERT_EQ(content().library.count(), 1);
    const CSound bell = *content().library.at(0);
    EXPECT_EQ(bell.name, "bell.wav");
    EXPECT_EQ(bell.sampleRate, 10000);
    EXPECT_EQ(bell.path, soundFile("bell.wav"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir_.file("prepared/notes.wav"))));

    // Again: the library's duplicate check refuses the second bell.wav.
    port_.preparations.push_back(request);
    session_.PrepareSounds();
    EXPECT_EQ(port_.messageTexts().back(), "Sound file loaded already!");
    EXPECT_EQ(content().library.count(), 1);
}
