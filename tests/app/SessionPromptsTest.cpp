#include "app/SessionFixture.h"
#include "audio/SpeechSynthesis.h"

using SessionPrompts = SessionFixture;

// The prepared WAVs go through the library's Load; a file that is not sound
// is reported once and does not stop the others.
TEST_F(SessionPrompts, PreparedSoundsAreLoadedThroughTheLoadChecks)
{
    ASSERT_TRUE(MakeTestSound(dir_.file("bell.mp3"), 44100, 2, 0.5));
    WriteBytes(dir_.file("notes.ogg"), {'t', 'e', 'x', 't'});
    PreparationRequest request{
        {dir_.file("notes.ogg"), dir_.file("bell.mp3")}, dir_.file("prepared"), {.rate = 10000}, true};
    port_.preparations.push_back(request);
    session_.PrepareSounds();

    EXPECT_THAT(Texts(port_.messages), ElementsAre(HasSubstr("notes.ogg")));
    ASSERT_EQ(content().library.count(), 1);
    const CSound bell = *content().library.at(0);
    EXPECT_EQ(std::tuple(bell.name, bell.sampleRate, bell.path), std::tuple("bell.wav", 10000, soundFile("bell.wav")));
    EXPECT_FALSE(Exists(dir_.file("prepared/notes.wav")));

    // Again: the library's duplicate check refuses the second bell.wav. Two
    // sources of one prepared name, and a folder that cannot be made, write nothing.
    port_.messages.clear();
    request.files = {dir_.file("bell.mp3")};
    port_.preparations.push_back(request);
    request.files.push_back(dir_.file("bell.wav"));
    port_.preparations.push_back(request);
    request.files.pop_back();
    request.folder = dir_.file("bell.mp3/in");
    port_.preparations.push_back(request);
    for (int i = 0; i < 3; ++i)
        session_.PrepareSounds();
    EXPECT_EQ(Texts(port_.messages), (Strings{"Sound file loaded already!",
                                             "Two files would both be prepared as bell.wav; nothing was written.",
                                             "Cannot make the folder " + request.folder}));
    EXPECT_EQ(content().library.count(), 1);
}

// Every prompt is spoken before a file is written; the prompts then load as
// the library's Load does. A row's Play speaks it for the preview.
TEST_F(SessionPrompts, SpokenPromptsAreWrittenOnlyWhenEachCouldBeSpoken)
{
    SpokenPromptsRequest request{{{"hello", "Hello", 1}, {"bye", "Goodbye", 2}}, "no such voice", 8000,
                                 dir_.file("spoken"), true};
    port_.spokenPrompts = {request};
    session_.SpokenPrompts();
    EXPECT_EQ(Texts(port_.messages), Strings{"hello: There is no voice 'no such voice'"});
    EXPECT_FALSE(Exists(request.folder));

    request.voice = kDefaultVoice;
    port_.spokenPrompts = {request};
    session_.SpokenPrompts();
    EXPECT_EQ(Rows(content().library), "hello.wav bye.wav");
    port_.promptPlayer("Hello", kDefaultVoice, 8000);
    port_.promptPlayer("Hello", "no such voice", 8000);
    EXPECT_EQ(Texts(port_.messages), (Strings{"hello: There is no voice 'no such voice'",
                                              "There is no voice 'no such voice'"}));
}

TEST_F(SessionPrompts, TheFirmwareHeaderNeverReplacesTheProjectOrAFileUnasked)
{
    const std::string header = dir_.file("P.h");
    WriteBytes(header, {1});
    port_.files = {session_.project().projectFilePath, header, header};
    port_.replaceAnswers = {false, true};
    for (int i = 0; i < 3; ++i)
        session_.ExportFirmwareHeader();
    EXPECT_EQ(Texts(port_.messages), (Strings{"Choose another file: " + session_.project().projectFilePath +
                                                 " is the project file.",
                                             "Firmware header written."}));
    EXPECT_GT(ReadBytes(header).size(), 1u);
}
