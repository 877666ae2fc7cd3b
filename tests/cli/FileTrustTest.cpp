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

// A project NAME with `sounds` library sounds 0.wav, 1.wav, ... whose files
// `make` provides; `edit` may change it further.
std::string MakeProject(const ScratchDir& dir, const std::string& name, int sounds,
                        const std::function<void(const std::string&)>& make,
                        const std::function<void(ProjectContent&)>& edit = {})
{
    Project project;
    EXPECT_FALSE(CreateNewProject(dir.file(name), name, 0, project));
    for (int i = 0; i < sounds; ++i) {
        const std::string name = std::to_string(i) + ".wav", path = project.soundFolderPath + "/" + name;
        make(path);
        project.content.library.append({.kind = CSound::kSoundFile, .path = path, .name = name});
    }
    if (edit)
        edit(project.content);
    EXPECT_FALSE(SaveProject(project));
    return project.projectFilePath;
}

void Fifo(const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }

bool Exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

}  // namespace

// Every place a named file is read refuses at once what is no regular file
// (RunProgram gives up after 120 s, so a regression fails, not hangs), and
// damaged WAV headers are refused with their reason.
TEST(CliFileTrust, OddFilesAndDamagedHeadersAreRefused)
{
    ScratchDir dir;
    const std::string fifo = dir.file("fifo.wav"), fast = dir.file("fast.wav");
    Fifo(fifo);
    WriteTestWav(fast, 8000, 1, 16, 0.1);
    std::vector<uint8_t> header = ReadBytes(fast);
    header[24] = 0x00, header[25] = 0x28, header[26] = 0x6B, header[27] = 0xEE;  // 4,000,000,000 Hz
    WriteBytes(fast, header);
    const std::string fifoSound = MakeProject(dir, "S.winproj", 1, Fifo);
    const std::string loadInto = MakeProject(dir, "L.winproj", 0, {});
    const std::string external = MakeProject(dir, "E.winproj", 0, {}, [&](ProjectContent& c) {
        c.options.externalMode = 1;
        c.options.externalBinPath = fifo;
    });
    const char* const notRegular = "it is a FIFO, not a regular file";
    const char* const badRate = "not between 1 and 384000 Hz";
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"info", fifo}, notRegular},
        {{"show", fifo}, notRegular},
        {{"show", "/dev/zero"}, "it is a device, not a regular file"},
        {{"compile", fifoSound}, notRegular},
        {{"compile", external}, notRegular},
        {{"load", loadInto, fifo}, notRegular},
        {{"decode", fifo, dir.file("o.wav")}, notRegular},
        {{"encode", fifo, dir.file("o.rbf")}, notRegular},
        {{"info", fast}, badRate},
        {{"encode", fast, dir.file("o.rbf")}, badRate},
        {{"convert", fast, dir.file("o.wav"), "8000"}, badRate},
        {{"convert", fast, dir.path() + "/./fast.wav", "8000"}, "is the file being converted"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        std::string out, err;
        EXPECT_EQ(RunProgram("kr615b", c.args, &out, &err), 1);
        EXPECT_NE((out + err).find(c.says), std::string::npos) << out << err;
    }
}

// A moved project finds its sounds by name; the compile prints the advice
// of a BIN too big for its flash, and a sound file that is gone ends it with
// its file error. The project file is only read.
TEST(CliFileTrust, MovedProjectFindsItsSoundsAndGetsAdvice)
{
    ScratchDir dir;
    const std::string file = MakeProject(
        dir, "P.winproj", 1, [](const std::string& p) { WriteTestWav(p, 22000, 1, 16, 12.0); },
        [](ProjectContent& c) {
            c.library.begin()->path = "C:\\old\\place\\0.wav";  // rebuilt when the project is opened
            c.equations[0].append(*c.library.begin());
        });
    const std::vector<uint8_t> before = ReadBytes(file);
    std::string out, err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", file, "--flash", "2M"}, &out, &err), 0) << err;
    EXPECT_EQ(out, "BIN File Saved!\nSize: 524288 bytes\nBin File don't fit in flash! Pls select 4M flash\n");
    const std::vector<uint8_t> bin = ReadBytes(file + ".bin");
    EXPECT_EQ(std::vector<uint8_t>(bin.begin() + 0x130, bin.begin() + 0x134),
              (std::vector<uint8_t>{0x44, 0x00, 0x00, 0xFF}));
    // 32M unless told otherwise.
    EXPECT_EQ(RunProgram("kr615b", {"compile", file}, &out, &err), 0) << err;
    EXPECT_EQ(ReadBytes(file + ".bin")[30], 6);
    EXPECT_EQ(ReadBytes(file), before);

    QFile::remove(QString::fromStdString(dir.file("P.winproj/P.winproj.sound/0.wav")));
    EXPECT_EQ(RunProgram("kr615b", {"compile", file}, &out, &err), 1);
    EXPECT_EQ(out.substr(0, 6), "Fail!\n");
    EXPECT_NE(out.find("0.wav: cannot open the file"), std::string::npos);
}

// A compile killed while it writes leaves the previous BIN byte for byte; the
// next compile clears what the killed one left.
TEST(CliFileTrust, KilledCompileKeepsTheOldBin)
{
    ScratchDir dir;
    const std::string project =
        MakeProject(dir, "K.winproj", 60, [](const std::string& p) { WriteTestWav(p, 22000, 1, 16, 3.0); });
    ASSERT_EQ(RunProgram("kr615b", {"compile", project, "--flash", "64M"}), 0);
    const std::vector<uint8_t> before = ReadBytes(project + ".bin");  // unlike the 32M BIN
    QProcess compile;
    compile.start(QString::fromStdString(ProgramDir() + "kr615b"), {"compile", QString::fromStdString(project)});
    while (!Exists(project + ".bin.part") && compile.state() != QProcess::NotRunning)
        QThread::usleep(200);
    compile.kill();
    compile.waitForFinished();
    ASSERT_EQ(compile.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(ReadBytes(project + ".bin"), before);
    ASSERT_EQ(RunProgram("kr615b", {"compile", project}), 0);
    EXPECT_FALSE(Exists(project + ".bin.part"));
}

// A second writer waits, then is refused and told who holds the project; a
// lock left by a process that is gone is taken over; two loads at once never
// lose a sound while both report success.
TEST(CliFileTrust, OneWriterPerProject)
{
    ScratchDir dir;
    const std::string project = MakeProject(dir, "W.winproj", 0, {});
    std::unique_ptr<ProjectLock> held;
    ASSERT_FALSE(ProjectLock::Take(project, held));
    std::string out, err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", project}, &out, &err), 1);
    EXPECT_NE(err.find("is open in another window (process " + std::to_string(::getpid()) + ")"), std::string::npos);
    std::vector<uint8_t> crashed = ReadBytes(ProjectLock::LockFilePath(project));
    held.reset();
    const std::string deadPid = "999999999";
    crashed.erase(crashed.begin(), std::find(crashed.begin(), crashed.end(), '\n'));
    crashed.insert(crashed.begin(), deadPid.begin(), deadPid.end());
    WriteBytes(ProjectLock::LockFilePath(project), crashed);
    EXPECT_EQ(RunProgram("kr615b", {"compile", project}, &out, &err), 0) << err;

    QProcess loads[2];
    for (int i = 0; i < 2; ++i) {
        WriteTestWav(dir.file(std::to_string(i) + ".wav"), 8000, 1, 16, 0.1);
        loads[i].start(QString::fromStdString(ProgramDir() + "kr615b"),
                       {"load", QString::fromStdString(project), QString::fromStdString(dir.file(std::to_string(i) + ".wav"))});
    }
    int succeeded = 0;
    for (QProcess& load : loads)
        succeeded += load.waitForFinished(60000) && load.exitCode() == 0;
    Project loaded;
    ASSERT_FALSE(OpenProjectFile(project, loaded));
    EXPECT_EQ(loaded.content.library.count(), succeeded);
}
