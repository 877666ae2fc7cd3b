#include <chrono>
#include <thread>

#include <QDir>
#include <QFileInfo>

#include "app/ProjectSessionFixture.h"
#include "audio/PreviewPlayer.h"
#include "support/Paths.h"

namespace {

CKey KeysWithStop(int key)
{
    CKey keys;
    keys.keyFunction[key] = kStopFunction;
    return keys;
}

CKey SavedKeys(const std::string& path)
{
    ProjectContent content;
    EXPECT_FALSE(ReadProjectFile(path, content));
    return content.key;
}

}  // namespace

TEST_F(ProjectSessionTest, NewOpensAnEmptyProjectKeepingTheMusicFlag)
{
    NewProject("A");
    COptions music;
    music.backgroundMusic = 1;
    port.options.push_back(music);
    session.Options();
    session.SelectEquation(7);
    port.forgetLog();

    const std::string file = NewProject("X");
    EXPECT_TRUE(QFileInfo(ToQtPath(file + ".sound")).isDir());
    EXPECT_EQ(port.titles, std::vector<std::string>{"X.winproj - KR615B DadezEvur V1.0"});
    EXPECT_EQ(session.project().content, ProjectContent::NewProject(1));
    EXPECT_EQ(session.currentEquation(), 0);
    EXPECT_EQ(port.editingEnabled, true);
    EXPECT_EQ(port.backgroundMusicViewEnabled, false);
    EXPECT_EQ(port.modeCheck, kKeyMode);
    EXPECT_EQ(port.rebuilds.size(), 3u);
}

TEST_F(ProjectSessionTest, LeavingAProjectSavesItEvenWhenTheDialogIsCancelled)
{
    const std::string file = NewProject();
    int key = 0;
    for (void (Session::*leave)() : {&Session::New, &Session::Open, &Session::Close}) {
        port.keys.push_back(KeysWithStop(key));
        session.KeySetup();
        (session.*leave)();  // New and Open cancelled
        EXPECT_EQ(SavedKeys(file), KeysWithStop(key++));
    }
}

TEST_F(ProjectSessionTest, NewAsksBeforeReplacingTheProjectFileOfAnExistingFolder)
{
    const std::string file = NewProject();
    const std::string kept = file + ".sound/kept.wav";
    WriteBytes(kept, {1, 2, 3});
    port.keys.push_back(KeysWithStop(0));
    session.KeySetup();

    port.replaceAnswers = {false, true};
    NewProject();
    EXPECT_EQ(port.replaceQuestions, std::vector<std::string>{file});
    EXPECT_EQ(session.project().content.key, KeysWithStop(0));  // still open

    NewProject();
    EXPECT_EQ(SavedKeys(file), CKey{});
    EXPECT_EQ(ReadBytes(kept).size(), 3u);

    // A folder without a project file is used without a question.
    QDir().mkpath(ToQtPath(dir.file("Y.winproj")));
    NewProject("Y");
    EXPECT_EQ(port.replaceQuestions.size(), 2u);
    EXPECT_TRUE(session.projectOpen());
}

TEST_F(ProjectSessionTest, FailedNewOrOpenLeavesNoProjectAndWritesNothing)
{
    const std::string damaged = dir.file("damaged.winproj");
    std::vector<uint8_t> bytes = ReadBytes(NewProject("A"));
    bytes.resize(600);
    WriteBytes(damaged, bytes);
    WriteBytes(dir.file("plain"), {1});

    // New under a plain file; Open of a damaged file and of a folder.
    const std::vector<std::pair<void (Session::*)(), std::string>> failures = {
        {&Session::New, dir.file("plain/X.winproj")}, {&Session::Open, damaged}, {&Session::Open, dir.path()}};
    for (const auto& [command, path] : failures) {
        port.replaceAnswers.push_back(true);
        NewProject("B");
        port.messages.clear();
        port.files.push_back(path);
        (session.*command)();
        ASSERT_EQ(port.messages.size(), 1u) << path;
        EXPECT_NE(port.messages[0].text.find(path), std::string::npos);
        EXPECT_FALSE(session.projectOpen());
        EXPECT_EQ(port.titles.back(), "KR615B DadezEvur V1.0");
        EXPECT_EQ(port.editingEnabled, false);
        EXPECT_TRUE(session.project().projectFilePath.empty());
    }
    session.Save();
    EXPECT_TRUE(session.Exit());
    EXPECT_EQ(ReadBytes(damaged), bytes);
}

TEST_F(ProjectSessionTest, OpenTakesTheFileWithPathsBesideIt)
{
    ProjectContent content;
    content.options.controlMode = kThreeLine;
    CSound sound;
    sound.kind = CSound::kSoundFile;
    sound.name = "a.wav";
    sound.path = "/elsewhere/a.wav";
    content.library.append(sound);
    session.SelectEquation(9);

    const std::string path = OpenProject(content);
    EXPECT_EQ(session.project().content.library.begin()->path, path + ".sound/a.wav");
    EXPECT_EQ(port.titles.back(), "O.winproj - KR615B DadezEvur V1.0");
    EXPECT_EQ(session.currentEquation(), 0);
    EXPECT_EQ(port.modeCheck, kThreeLine);
    EXPECT_EQ(port.backgroundMusicViewEnabled, true);
    EXPECT_TRUE(session.commandsEnabled(View::BackgroundMusic));

    // Extended mode has no Mode item: the mark stays where it was.
    content.options.controlMode = kExtended;
    OpenProject(content, "E.winproj");
    EXPECT_EQ(port.modeCheck, kThreeLine);
    EXPECT_EQ(port.backgroundMusicViewEnabled, false);
}

TEST_F(ProjectSessionTest, SaveAsWritesWhatSaveWritesAndChangesNothingElse)
{
    const std::string file = NewProject();
    port.forgetLog();
    port.files.push_back(dir.file("copy.winproj"));
    session.SaveAs();
    session.Save();
    EXPECT_EQ(ReadBytes(dir.file("copy.winproj")), ReadBytes(file));
    EXPECT_EQ(session.project().projectFilePath, file);
    EXPECT_TRUE(port.titles.empty());
}

TEST_F(ProjectSessionTest, CloseEmptiesAndGreysButKeepsTheRecords)
{
    ProjectContent content;
    content.options.controlMode = kOneLine;
    content.equations[5].append(CSound::Silence(10));
    OpenProject(content);
    port.forgetLog();

    session.Close();
    EXPECT_EQ(port.messageTexts(), std::vector<std::string>{"Close Project"});
    EXPECT_EQ(port.titles, std::vector<std::string>{"KR615B DadezEvur V1.0"});
    EXPECT_EQ(port.clears.size(), 3u);
    EXPECT_FALSE(session.commandsEnabled(View::BackgroundMusic));
    EXPECT_TRUE(session.project().content.equations[5].empty());
    EXPECT_EQ(session.project().content.options.controlMode, kOneLine);

    // The setup commands are out of reach; Close still answers.
    port.options.push_back(COptions{});
    session.Options();
    EXPECT_EQ(port.options.size(), 1u);
    session.Close();
    EXPECT_EQ(port.messages.size(), 2u);
}

TEST_F(ProjectSessionTest, AProjectThatCannotBeSavedStaysOpen)
{
    const std::string folder = dir.file("X.winproj");
    NewProject();
    QDir(ToQtPath(folder)).removeRecursively();
    WriteBytes(folder, {1});  // no project file fits under a plain file

    session.Close();
    EXPECT_FALSE(session.Exit());
    EXPECT_FALSE(session.SwitchToEdition(Edition::SimplifiedChinese));
    session.Open();
    session.New();
    EXPECT_EQ(port.messages.size(), 5u);
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(session.projectOpen());
    EXPECT_EQ(port.titles.size(), 1u);       // still the project's title
    EXPECT_EQ(port.fileChoices.size(), 1u);  // no dialog after a failed save
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
