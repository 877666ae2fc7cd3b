#include <chrono>
#include <thread>

#include <QDir>

#include "app/SessionFixture.h"
#include "audio/PreviewPlayer.h"

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

using SessionProject = SessionFixture;

}  // namespace

// Also when the next project is never opened; a given file opens without a dialog.
TEST_F(SessionProject, LeavingAProjectSavesIt)
{
    const std::string given = NewProject("G");
    const std::string file = NewProject();
    int key = 0;
    for (const std::function<void()>& leave : std::vector<std::function<void()>>{
             [&] { session_.New(); }, [&] { session_.Open(); }, [&] { session_.OpenFile(given); }}) {
        port_.keys.push_back(KeysWithStop(key));
        session_.KeySetup();
        leave();
        EXPECT_EQ(SavedKeys(file), KeysWithStop(key++));
    }
    EXPECT_EQ(session_.project().projectFilePath, given);
    EXPECT_EQ(port_.fileChoices.size(), 4u);
}

// New into the folder of another project and Save As onto another project
// file replace that file only after a yes; the sounds beside it stay.
TEST_F(SessionProject, AnotherProjectFileIsReplacedOnlyAfterAYes)
{
    const std::string file = NewProject();
    const std::string kept = file + ".sound/kept.wav";
    WriteBytes(kept, {1, 2, 3});
    port_.keys.push_back(KeysWithStop(0));
    session_.KeySetup();
    port_.replaceAnswers = {false, true};
    NewProject();
    EXPECT_EQ(session_.project().content.key, KeysWithStop(0));  // still open
    NewProject();
    EXPECT_EQ(SavedKeys(file), CKey{});
    EXPECT_EQ(ReadBytes(kept).size(), 3u);

    // Save As writes what Save writes and changes nothing else.
    const std::string copy = dir_.file("copy.winproj");
    WriteBytes(copy, {1});
    port_.files = {copy, copy};
    port_.replaceAnswers = {false, true};
    port_.forgetLog();
    session_.SaveAs();
    EXPECT_EQ(ReadBytes(copy).size(), 1u);
    session_.SaveAs();
    session_.Save();
    EXPECT_EQ(ReadBytes(copy), ReadBytes(file));
    EXPECT_EQ(port_.replaceQuestions, (Strings{file, file, copy, copy}));
    EXPECT_EQ(session_.project().projectFilePath, file);
    EXPECT_TRUE(port_.titles.empty());

    // A folder without a project file is used without a question.
    QDir().mkpath(ToQtPath(dir_.file("Y.winproj")));
    NewProject("Y");
    EXPECT_EQ(port_.replaceQuestions.size(), 4u);
    EXPECT_TRUE(session_.projectOpen());
}

TEST_F(SessionProject, FailedNewOrOpenLeavesNoProjectAndWritesNothing)
{
    const std::string damaged = dir_.file("damaged.winproj");
    std::vector<uint8_t> bytes = ReadBytes(NewProject("A"));
    bytes.resize(600);
    WriteBytes(damaged, bytes);
    WriteBytes(dir_.file("plain"), {1});

    // New under a plain file; Open of a damaged file and of a folder.
    const std::vector<std::pair<void (Session::*)(), std::string>> failures = {
        {&Session::New, dir_.file("plain/X.winproj")}, {&Session::Open, damaged}, {&Session::Open, dir_.path()}};
    for (const auto& [command, path] : failures) {
        port_.replaceAnswers.push_back(true);
        NewProject("B");
        port_.messages.clear();
        port_.files.push_back(path);
        (session_.*command)();
        EXPECT_THAT(Texts(port_.messages), ElementsAre(HasSubstr(path)));
        EXPECT_FALSE(session_.projectOpen());
        EXPECT_EQ(port_.titles.back(), "KR615B DadezEvur V1.0");
        EXPECT_EQ(port_.editingEnabled, false);
        EXPECT_TRUE(session_.project().projectFilePath.empty());
        // No figures of the project left behind.
        EXPECT_EQ(port_.flashTotal + port_.equationSize, "");
    }
    session_.Save();
    EXPECT_TRUE(session_.Exit());
    EXPECT_EQ(ReadBytes(damaged), bytes);
}

TEST_F(SessionProject, AProjectThatCannotBeSavedStaysOpen)
{
    const std::string folder = dir_.file("X.winproj");
    NewProject();
    QDir(ToQtPath(folder)).removeRecursively();
    WriteBytes(folder, {1});  // no project file fits under a plain file

    session_.Close();
    EXPECT_FALSE(session_.Exit());
    EXPECT_FALSE(session_.SwitchToEdition(Edition::SimplifiedChinese));
    session_.Open();
    session_.New();
    EXPECT_EQ(port_.messages.size(), 5u);
    EXPECT_EQ(port_.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(session_.projectOpen());
    EXPECT_EQ(port_.titles.size(), 1u);       // still the project's title
    EXPECT_EQ(port_.fileChoices.size(), 1u);  // no dialog after a failed save
    // Each failed save asked whether to leave anyway; No kept the project.
    EXPECT_EQ(port_.leaveUnsavedQuestions, 5);
    port_.leaveUnsavedAnswers = {true};
    session_.Close();
    EXPECT_FALSE(session_.projectOpen());

    // Closed, the views are emptied and greyed and the setup commands out of reach.
    EXPECT_EQ(port_.messages.back().text, "Close Project");
    EXPECT_EQ(port_.clears.size(), 3u);
    port_.options.push_back(COptions{});
    port_.keys.push_back(CKey{});
    port_.equations.push_back(CEquation{});
    session_.Options();
    session_.KeySetup();
    session_.EquationSetup();
    EXPECT_EQ(port_.options.size() + port_.keys.size() + port_.equations.size(), 3u);
}

TEST_F(SessionProject, LeavingTheProjectStopsAPlaylistPreview)
{
    for (int i = 0; i < PreviewPlayer::kIdleTicks; ++i)
        session_.Tick();
    ASSERT_TRUE(session_.preview().PlayPlaylist({100000, {CSound::Silence(10000)}}));
    // Into the silence, where a stop request is heard.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    session_.Close();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (session_.preview().WorkersRunning() > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(session_.preview().WorkersRunning(), 0);
}
