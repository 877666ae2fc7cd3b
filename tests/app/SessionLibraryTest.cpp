#include <QDir>
#include <QFile>

#include "app/SessionFixture.h"

using SessionLibrary = SessionFixture;

TEST_F(SessionLibrary, TheLastFreePlaceTakesOneFileThenTheLibraryIsFull)
{
    Reopen([&](ProjectContent& c) {
        for (int i = 0; i < 509; ++i)
            c.library.append(Entry(std::to_string(i) + ".wav"));
    });
    port_.fileLists = {Strings{Wav("a.wav"), Wav("b.wav"), Wav("c.wav")}, Strings{Wav("d.wav")}};
    session_.LoadLibrarySounds();
    EXPECT_EQ(content().library.at(509)->name, "a.wav");
    EXPECT_TRUE(Exists(soundFile("b.wav")));  // copied, then refused
    EXPECT_FALSE(Exists(soundFile("c.wav")));
    // Full: refused before the dialog opens.
    session_.LoadLibrarySounds();
    EXPECT_EQ(Texts(port_.messages), (Strings{"Sound Library full!", "Sound Library full!"}));
    EXPECT_EQ(content().library.count(), 510);
    EXPECT_EQ(port_.fileLists.size(), 1u);
}

TEST_F(SessionLibrary, TheFirstRefusedFileEndsTheLoad)
{
    const std::string wrongRate =
        "Incompatible sampling rate, pls change it in main menu before loading into the project!";
    const std::string old = "Sound file loaded already!";
    const std::string notPcm = "m.wav is not a PCM WAV file. Convert it with \"Convert MP3/WMA to WAV\" first.";
    for (const auto& [third, rate, message] : std::vector<std::tuple<std::string, int, std::string>>{
             {"old.wav", 8000, old},
             {"x.WAV", 8000, wrongRate},
             {"x.wav", 44100, wrongRate},
             {"m.wav", 8000, notPcm},  // MP3 data at an accepted rate
         }) {
        Reopen([&](ProjectContent& c) {
            c.library.removeAll();
            c.library.append(Entry("old.wav"));
        });
        QDir(ToQtPath(soundFile(""))).removeRecursively();
        QDir().mkpath(ToQtPath(soundFile("")));
        // Names differ by letter case only: both load.
        const std::string thirdPath = message == notPcm ? dir_.file(third) : Wav(third, rate);
        if (message == notPcm) {
            ASSERT_TRUE(MakeTestSound(dir_.file("m.mp3"), rate, 1, 0.5) &&
                        QFile::rename(ToQtPath(dir_.file("m.mp3")), ToQtPath(thirdPath)));
        }
        port_.fileLists.push_back(Strings{Wav("lo.wav", 4000), Wav("OLD.wav", 22000), thirdPath, Wav("z.wav")});
        session_.LoadLibrarySounds();
        EXPECT_EQ(Texts(port_.messages), Strings{message}) << third;
        EXPECT_EQ(port_.messages[0].caption, message == old ? Caption::Product : Caption::ApplicationName);
        EXPECT_EQ(Rows(content().library), "old.wav lo.wav OLD.wav") << third;
        EXPECT_FALSE(Exists(soundFile("z.wav"))) << third;
    }
}

TEST_F(SessionLibrary, ATakenFileNameGivesAnEntryForTheCopyActuallyWrittenAndAFailedCopyNone)
{
    WriteBytes(soundFile("x.wav"), {1, 2, 3});
    port_.fileLists.push_back(Strings{Wav("x.wav")});
    session_.LoadLibrarySounds();
    const CSound entry = *content().library.at(0);
    EXPECT_EQ((Strings{entry.name, entry.path}), (Strings{"Copy of x.wav", soundFile("Copy of x.wav")}));
    EXPECT_EQ(ReadBytes(entry.path), ReadBytes(dir_.file("x.wav")));
    EXPECT_EQ(ReadBytes(soundFile("x.wav")), (std::vector<uint8_t>{1, 2, 3}));

    QDir(ToQtPath(soundFile(""))).removeRecursively();
    port_.fileLists.push_back(Strings{Wav("a.wav"), Wav("b.wav")});
    session_.LoadLibrarySounds();
    EXPECT_THAT(port_.messages, ElementsAre(testing::AllOf(testing::Field(&UserMessage::caption, Caption::Error),
                                                           testing::Field(&UserMessage::icon, MessageIcon::Error))));
    EXPECT_EQ(content().library.count(), 1);
}

// Delete takes the entry, its copies (not those of a name differing in case)
// and its file; one that cannot go is reported and the entry still goes.
// Empty stops at the first file it cannot delete and changes no record.
// Names that leave the sound folder are checked in SessionTrust.
TEST_F(SessionLibrary, DeleteAndEmptyTakeTheEntriesTheirCopiesAndTheirFiles)
{
    Reopen([&](ProjectContent& c) {
        for (const char* name : {"a.wav", "b.wav", "dir.wav"})
            c.library.append(Entry(name, true));
        for (const char* name : {"a.wav", "a.wav", "A.wav", "b.wav"})
            c.equations[0].append(Entry(name));
        c.equations[9].append(CSound::Silence(10));
        c.backgroundMusic.append(Entry("b.wav"));
    });
    const std::string dir = soundFile("dir.wav");  // a folder in place of a sound's file
    QFile::remove(ToQtPath(dir));
    QDir().mkpath(ToQtPath(dir));
    port_.confirms = {true, true, true, true};
    port_.selectedRows[View::Library] = 0;
    session_.DeleteLibrarySound();
    EXPECT_EQ(Rows(content().equations[0]), "A.wav b.wav");
    EXPECT_FALSE(Exists(soundFile("a.wav")));
    EXPECT_EQ(port_.removedRows, (std::vector<std::pair<View, int>>{{View::Library, 0}}));
    EXPECT_EQ(port_.rebuilds, (std::vector{View::Library, View::Playlist}));
    EXPECT_TRUE(port_.messages.empty());

    const ProjectContent before = content();
    session_.EmptyLibrary();
    EXPECT_EQ(content(), before);
    EXPECT_FALSE(Exists(soundFile("b.wav")));
    port_.selectedRows[View::Library] = 1;
    session_.DeleteLibrarySound();
    EXPECT_TRUE(Exists(dir));
    const auto cannot = testing::StartsWith("Cannot delete " + dir + ": ");
    EXPECT_THAT(Texts(port_.messages), ElementsAre(cannot, cannot));

    session_.EmptyLibrary();  // b.wav's file is gone already: no reason to stop
    EXPECT_TRUE(content().library.empty() && content().equations[0].empty() && content().equations[9].empty());
    EXPECT_EQ(content().backgroundMusic.count(), 1);
    EXPECT_EQ(port_.clears, (std::vector{View::Library, View::Playlist}));
    EXPECT_EQ(port_.messages.back().text, "Empty sound library");
}
