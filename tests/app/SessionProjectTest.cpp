#include <chrono>
#include <thread>

#include <QFileInfo>

#include "app/ProjectSessionFixture.h"
#include "audio/PreviewPlayer.h"

namespace {

bool IsFolder(const std::string& path)
{
    return QFileInfo(ToQtPath(path)).isDir();
}

ProjectContent ReadContent(const std::string& path)
{
    ProjectContent content;
    EXPECT_FALSE(ReadProjectFile(path, content));
    return content;
}

// Replaces a project's folder by a plain file, so its project file can no
// longer be written (root included).
void BlockFolder(const std::string& folder)
{
    QDir(ToQtPath(folder)).removeRecursively();
    WriteBytes(folder, {1});
}

}  // namespace

TEST_F(ProjectSessionTest, NewCreatesAndOpensAnEmptyProject)
{
    // The background-music flag is carried over from the project before.
    NewProject("A");
    COptions music;
    music.backgroundMusic = 1;
    port.options.push_back(music);
    session.Options();
    session.SelectEquation(7);

    port.forgetLog();
    const std::string file = NewProject("X");
    EXPECT_TRUE(IsFolder(dir.file("X.winproj/X.winproj.sound")));
    EXPECT_EQ(ReadBytes(file).size(), 1144u);
    EXPECT_EQ(port.fileChoices.back().kind, FileChoice::Kind::Save);
    EXPECT_EQ(port.fileChoices.back().filter, "Project Files(*.winproj)|*.winproj||");
    EXPECT_EQ(port.fileChoices.back().defaultExtension, "winproj");
    EXPECT_EQ(port.titles, std::vector<std::string>{"X.winproj - KR615B DadezEvur V1.0"});

    EXPECT_TRUE(session.projectOpen());
    EXPECT_EQ(session.project().projectFilePath, file);
    EXPECT_EQ(session.project().soundFolderPath, file + ".sound");
    EXPECT_EQ(session.project().content, ProjectContent::NewProject(1));
    EXPECT_EQ(session.currentEquation(), 0);
    EXPECT_EQ(port.shownEquation, 0);
    EXPECT_EQ(port.editingEnabled, true);
    EXPECT_EQ(port.backgroundMusicViewEnabled, false);
    EXPECT_EQ(port.modeCheck, kKeyMode);
    for (View view : {View::Library, View::Playlist, View::BackgroundMusic})
        EXPECT_EQ(port.rebuildCount(view), 1);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(ProjectSessionTest, LeavingAProjectSavesItEvenWhenTheDialogIsCancelled)
{
    const std::string file = NewProject();
    CKey keys;
    keys.keyFunction[3] = kStopFunction;

    port.keys.push_back(keys);
    session.KeySetup();
    session.New();  // cancelled
    EXPECT_EQ(ReadContent(file).key, keys);

    keys.keyFunction[4] = kNoFunction;
    port.keys.push_back(keys);
    session.KeySetup();
    session.Open();  // cancelled
    EXPECT_EQ(ReadContent(file).key, keys);
    EXPECT_TRUE(session.projectOpen());

    keys.keyFunction[5] = kNoFunction;
    port.keys.push_back(keys);
    session.KeySetup();
    EXPECT_TRUE(session.Exit());
    EXPECT_EQ(ReadContent(file).key, keys);
}

TEST_F(ProjectSessionTest, NewAsksBeforeReplacingTheProjectFileOfAnExistingFolder)
{
    const std::string file = NewProject();
    const std::string kept = dir.file("X.winproj/X.winproj.sound/kept.wav");
    WriteBytes(kept, {1, 2, 3});
    port.options.push_back(COptions{});
    session.Options();
    session.Save();
    const std::vector<uint8_t> saved = ReadBytes(file);

    // "No": nothing is replaced and the project stays open.
    port.replaceAnswers.push_back(false);
    NewProject();
    EXPECT_EQ(port.replaceQuestions, std::vector<std::string>{file});
    EXPECT_EQ(ReadBytes(file), saved);
    EXPECT_EQ(session.project().content.options.controlMode, kOneLine);

    // "Yes": a new project in the same folder; the sounds there stay.
    port.replaceAnswers.push_back(true);
    NewProject();
    EXPECT_EQ(ReadBytes(file).size(), 1144u);
    EXPECT_EQ(session.project().content.options.controlMode, kKeyMode);
    EXPECT_EQ(ReadBytes(kept).size(), 3u);

    // An existing folder without a project file is used without a question.
    QDir().mkpath(ToQtPath(dir.file("Y.winproj")));
    NewProject("Y");
    EXPECT_EQ(port.replaceQuestions.size(), 2u);
    EXPECT_TRUE(session.projectOpen());
}

TEST_F(ProjectSessionTest, FailedNewOrOpenLeavesNoProjectAndWritesNothing)
{
    const std::string first = NewProject("A");
    const std::vector<uint8_t> firstBytes = ReadBytes(first);

    // New under a plain file: the folder cannot be made.
    WriteBytes(dir.file("plain"), {1});
    port.files.push_back(dir.file("plain/X.winproj"));
    session.New();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find("plain/X.winproj"), std::string::npos);
    EXPECT_FALSE(session.projectOpen());
    EXPECT_EQ(port.titles.back(), "KR615B DadezEvur V1.0");
    EXPECT_EQ(port.editingEnabled, false);

    // A damaged project file, and a folder chosen as a project file.
    const std::string damaged = dir.file("damaged.winproj");
    std::vector<uint8_t> bytes = firstBytes;
    bytes.resize(600);
    WriteBytes(damaged, bytes);
    for (const std::string& path : {damaged, dir.path()}) {
        port.replaceAnswers.push_back(true);
        NewProject("B");
        port.messages.clear();
        port.files.push_back(path);
        session.Open();
        ASSERT_EQ(port.messages.size(), 1u);
        EXPECT_NE(port.messages[0].text.find(path), std::string::npos);
        EXPECT_FALSE(session.projectOpen());
        EXPECT_TRUE(session.project().projectFilePath.empty());
        EXPECT_TRUE(session.project().content.library.empty());
    }

    // Nothing is written afterwards, over either file.
    session.Save();
    EXPECT_TRUE(session.Exit());
    EXPECT_EQ(ReadBytes(damaged), bytes);
    EXPECT_EQ(ReadBytes(first), firstBytes);
}

TEST_F(ProjectSessionTest, OpenTakesTheFileAndFindsItsSoundsBesideIt)
{
    ProjectContent content;
    content.options.controlMode = kThreeLine;
    content.options.externalBinPath = "/ext.bin";
    content.key.keyFunction[0] = kStopFunction;
    content.library.append(Sound("a.wav", 8000));
    content.equations[0].append(Sound("a.wav", 8000));
    content.equations[0].append(CSound::Silence(20));
    content.backgroundMusic.append(Sound("m.wav", 8000));
    session.SelectEquation(9);

    const std::string path = OpenProject(content);
    const Project& p = session.project();
    EXPECT_EQ(p.projectFilePath, path);
    EXPECT_EQ(p.soundFolderPath, path + ".sound");
    EXPECT_EQ(p.content.library.at(0)->path, path + ".sound/a.wav");
    EXPECT_EQ(p.content.equations[0].at(0)->path, path + ".sound/a.wav");
    EXPECT_EQ(p.content.backgroundMusic.at(0)->path, path + ".sound/m.wav");
    EXPECT_EQ(p.content.options, content.options);
    EXPECT_EQ(p.content.key, content.key);
    EXPECT_EQ(port.titles.back(), "O.winproj - KR615B DadezEvur V1.0");
    EXPECT_EQ(port.fileChoices.back().kind, FileChoice::Kind::Open);
    EXPECT_EQ(port.fileChoices.back().defaultExtension, "");
    EXPECT_EQ(session.currentEquation(), 0);
    EXPECT_EQ(port.modeCheck, kThreeLine);
    EXPECT_EQ(port.backgroundMusicViewEnabled, true);
    EXPECT_TRUE(session.commandsEnabled(View::BackgroundMusic));

    // Extended mode has no Mode item: the mark stays where it was.
    content.options.controlMode = kExtended;
    OpenProject(content, "E.winproj");
    EXPECT_EQ(session.project().content.options.controlMode, kExtended);
    EXPECT_EQ(port.modeCheck, kThreeLine);
    EXPECT_EQ(port.backgroundMusicViewEnabled, false);
}

TEST_F(ProjectSessionTest, SaveAsWritesWhatSaveWritesAndChangesNothingElse)
{
    // Without a project, neither writes nor shows anything.
    session.Save();
    session.SaveAs();
    EXPECT_TRUE(port.fileChoices.empty());

    ProjectContent content;
    content.library.append(Sound("a.wav", 16000));
    const std::string path = OpenProject(content);
    port.forgetLog();
    const std::string copy = dir.file("copy.winproj");
    port.files.push_back(copy);
    session.SaveAs();
    session.Save();
    EXPECT_EQ(ReadBytes(copy), ReadBytes(path));
    EXPECT_EQ(session.project().projectFilePath, path);
    EXPECT_TRUE(port.titles.empty());
    EXPECT_FALSE(QFileInfo::exists(ToQtPath(copy + ".sound")));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(ProjectSessionTest, CloseSavesEmptiesAndKeepsTheRecords)
{
    ProjectContent content;
    content.options.controlMode = kMp3;
    content.library.append(Sound("a.wav", 8000));
    content.equations[5].append(CSound::Silence(10));
    const std::string path = OpenProject(content);
    port.forgetLog();

    session.Close();
    EXPECT_EQ(port.messageTexts(), std::vector<std::string>{"Close Project"});
    EXPECT_EQ(port.titles, std::vector<std::string>{"KR615B DadezEvur V1.0"});
    EXPECT_FALSE(session.projectOpen());
    EXPECT_EQ(port.editingEnabled, false);
    EXPECT_EQ(port.clears.size(), 3u);
    const Project& p = session.project();
    EXPECT_TRUE(p.projectFilePath.empty() && p.soundFolderPath.empty());
    EXPECT_TRUE(p.content.library.empty() && p.content.equations[5].empty());
    EXPECT_EQ(p.content.options.controlMode, kMp3);
    EXPECT_EQ(ReadContent(path).library.count(), 1);

    // The setup commands are out of reach, and Close again still answers.
    port.options.push_back(COptions{});
    session.Options();
    EXPECT_EQ(port.options.size(), 1u);
    session.Close();
    EXPECT_EQ(port.messageTexts().size(), 2u);
}

TEST_F(ProjectSessionTest, AProjectThatCannotBeSavedStaysOpen)
{
    NewProject();
    BlockFolder(dir.file("X.winproj"));

    session.Close();
    EXPECT_TRUE(session.projectOpen());
    EXPECT_EQ(port.titles.size(), 1u);  // still the project's title
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);

    EXPECT_FALSE(session.Exit());
    EXPECT_FALSE(session.SwitchToOtherEdition());
    session.Open();
    session.New();
    EXPECT_EQ(port.messages.size(), 5u);
    EXPECT_EQ(port.fileChoices.size(), 1u);  // only the first New's
}

TEST_F(ProjectSessionTest, LeavingTheProjectStopsAPlaylistPreview)
{
    NewProject();
    for (int i = 0; i < PreviewPlayer::kIdleTicks; ++i)
        session.Tick();
    ASSERT_TRUE(session.preview().PlayPlaylist({100000, {CSound::Silence(10000)}}));
    // Into the silence, where a stop request is heard.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    session.Close();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (session.preview().WorkersRunning() > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(session.preview().WorkersRunning(), 0);
}
