#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "model/Project.h"
#include "support/ProjectLock.h"

namespace {

// A project with one library sound a.wav whose file `makeSound` provides.
std::string ProjectWithSound(const ScratchDir& dir, const std::string& name,
                             const std::function<void(const std::string&)>& makeSound, int sounds = 1)
{
    Project project;
    EXPECT_FALSE(CreateNewProject(dir.file(name), name, 0, project));
    for (int i = 0; i < sounds; ++i) {
        CSound s;
        s.kind = CSound::kSoundFile;
        s.name = std::to_string(i) + ".wav";
        s.path = project.soundFolderPath + "/" + s.name;
        makeSound(s.path);
        project.content.library.append(s);
    }
    EXPECT_FALSE(SaveProject(project));
    return project.projectFilePath;
}

void Fifo(const std::string& path)
{
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
}

}  // namespace

// Every place a named file is read refuses what is no regular file at once
// (RunProgram gives up after 120 s, so a regression fails rather than hangs),
// and damaged WAV headers are refused before anything is encoded.
TEST(CliFileTrust, OddFilesAndDamagedHeadersAreRefused)
{
    ScratchDir dir;
    Fifo(dir.file("fifo.wav"));
    const std::string fifoSound = ProjectWithSound(dir, "S.winproj", Fifo);
    Project external;
    ASSERT_FALSE(CreateNewProject(dir.file("E.winproj"), "E.winproj", 0, external));
    external.content.options.externalMode = 1;
    external.content.options.externalBinPath = dir.file("fifo.wav");
    ASSERT_FALSE(SaveProject(external));
    WriteTestWav(dir.file("fast.wav"), 8000, 1, 16, 0.1);
    std::vector<uint8_t> fast = ReadBytes(dir.file("fast.wav"));
    fast[24] = 0x00, fast[25] = 0x28, fast[26] = 0x6B, fast[27] = 0xEE;  // 4,000,000,000 Hz
    WriteBytes(dir.file("fast.wav"), fast);
    const std::string loadInto = ProjectWithSound(dir, "L.winproj", {}, 0);

    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"info", dir.file("fifo.wav")}, "it is a FIFO, not a regular file"},
        {{"show", dir.file("fifo.wav")}, "it is a FIFO, not a regular file"},
        {{"show", "/dev/zero"}, "it is a device, not a regular file"},
        {{"compile", dir.file("fifo.wav")}, "it is a FIFO, not a regular file"},
        {{"compile", fifoSound}, "it is a FIFO, not a regular file"},
        {{"compile", external.projectFilePath}, "it is a FIFO, not a regular file"},
        {{"load", loadInto, dir.file("fifo.wav")}, "it is a FIFO, not a regular file"},
        {{"decode", dir.file("fifo.wav"), dir.file("o.wav")}, "it is a FIFO, not a regular file"},
        {{"encode", dir.file("fifo.wav"), dir.file("o.rbf")}, "it is a FIFO, not a regular file"},
        {{"convert", dir.file("fifo.wav"), dir.file("o.wav"), "8000"}, "it is a FIFO, not a regular file"},
        {{"info", dir.file("fast.wav")}, "not between 1 and 384000 Hz"},
        {{"load", loadInto, dir.file("fast.wav")}, "not between 1 and 384000 Hz"},
        {{"encode", dir.file("fast.wav"), dir.file("o.rbf")}, "not between 1 and 384000 Hz"},
        {{"convert", dir.file("fast.wav"), dir.file("o.wav"), "8000"}, "not between 1 and 384000 Hz"},
        {{"convert", dir.file("fast.wav"), dir.path() + "/./fast.wav", "8000"}, "is the file being converted"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        std::string out, err;
        EXPECT_EQ(RunProgram("kr615b", c.args, &out, &err), 1);
        EXPECT_NE((out + err).find(c.says), std::string::npos) << out << err;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("o.wav"))));
}

// A compile killed while it writes leaves the previous BIN byte for byte; the
// next compile clears what the killed one left.
TEST(CliFileTrust, KilledCompileKeepsTheOldBin)
{
    ScratchDir dir;
    const std::string project =
        ProjectWithSound(dir, "K.winproj", [](const std::string& p) { WriteTestWav(p, 22000, 1, 16, 3.0); }, 60);
    ASSERT_EQ(RunProgram("kr615b", {"compile", project, "--flash", "64M"}), 0);
    const std::vector<uint8_t> before = ReadBytes(project + ".bin");  // unlike the 32M BIN
    QProcess compile;
    compile.start(QString::fromStdString(ProgramDir() + "kr615b"), {"compile", QString::fromStdString(project)});
    while (!QFile::exists(QString::fromStdString(project + ".bin.part")) && compile.state() != QProcess::NotRunning)
        QThread::usleep(200);
    compile.kill();
    compile.waitForFinished();
    ASSERT_EQ(compile.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(ReadBytes(project + ".bin"), before);
    ASSERT_EQ(RunProgram("kr615b", {"compile", project}), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(project + ".bin.part")));
}

// Two writers on one project: the second waits, then is refused and names
// the holder; a lock left by a process that is gone is taken over.
TEST(CliFileTrust, OneWriterPerProject)
{
    ScratchDir dir;
    const std::string project = ProjectWithSound(dir, "W.winproj", {}, 0);
    std::unique_ptr<ProjectLock> held;
    ASSERT_FALSE(ProjectLock::Take(project, held));
    std::string out, err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", project}, &out, &err), 1);
    EXPECT_NE(err.find("is open in another window (process " + std::to_string(::getpid()) + ")"),
              std::string::npos) << err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(project + ".bin")));

    // The same lock file as a crash leaves it: its process no longer runs.
    const std::string lockFile = ProjectLock::LockFilePath(project);
    std::vector<uint8_t> crashed = ReadBytes(lockFile);
    held.reset();
    const std::string deadPid = "999999999";
    crashed.erase(crashed.begin(), std::find(crashed.begin(), crashed.end(), '\n'));
    crashed.insert(crashed.begin(), deadPid.begin(), deadPid.end());
    WriteBytes(lockFile, crashed);
    EXPECT_EQ(RunProgram("kr615b", {"compile", project}, &out, &err), 0) << err;

    // Two loads at once never lose a sound while both report success.
    for (const char* name : {"a.wav", "b.wav"})
        WriteTestWav(dir.file(name), 8000, 1, 16, 0.1);
    QProcess loads[2];
    for (int i = 0; i < 2; ++i)
        loads[i].start(QString::fromStdString(ProgramDir() + "kr615b"),
                       {"load", QString::fromStdString(project), QString::fromStdString(dir.file(i ? "b.wav" : "a.wav"))});
    int succeeded = 0;
    for (QProcess& load : loads) {
        ASSERT_TRUE(load.waitForFinished(60000));
        succeeded += load.exitCode() == 0;
    }
    Project loaded;
    ASSERT_FALSE(OpenProjectFile(project, loaded));
    EXPECT_EQ(loaded.content.library.count(), succeeded);
}
