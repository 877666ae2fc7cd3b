#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <sstream>

#include <QProcess>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

#include "PcmSound.h"
#include "audio/AudioInfo.h"
#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "compiler/BinLayout.h"
#include "compiler/BinReader.h"
#include "model/Project.h"
#include "support/ProjectLock.h"

namespace {

// A project NAME with `sounds` library sounds 0.wav, 1.wav, ... whose files
// `make(path, i)` provides; `edit` may change it further.
std::string MakeProject(const ScratchDir& dir, const std::string& name, int sounds,
                        const std::function<void(const std::string&, int)>& make,
                        const std::function<void(ProjectContent&)>& edit = {})
{
    Project project;
    EXPECT_FALSE(CreateNewProject(dir.file(name), name, 0, project));
    for (int i = 0; i < sounds; ++i) {
        const std::string file = std::to_string(i) + ".wav", path = project.soundFolderPath + "/" + file;
        make(path, i);
        project.content.library.append(MakeSoundRecord(path, file));
    }
    if (edit)
        edit(project.content);
    EXPECT_FALSE(SaveProject(project));
    return project.projectFilePath;
}

// A project with sounds at three rates, silences whose tokens only some
// splits write again, a sound missing from the library, and keys set apart
// from the defaults; compiled for 8M.
std::string CompiledProject(const ScratchDir& dir, const std::string& name, int32_t mode, int32_t external)
{
    const auto make = [](const std::string& path, int i) {
        WriteTestWav(path, std::array{16000, 8000, 22000}[i], 1, 16, 0.3 + 0.2 * i, 300.0 + 100 * i);
    };
    const std::string project = MakeProject(dir, name, 3, make, [&](ProjectContent& c) {
        const auto sound = [&](int i) { return *c.library.at(i); };
        CSound stray = sound(1);
        stray.name = "gone.wav";  // Open rebuilds paths from names
        for (const CSound& e : {sound(0), CSound::Silence(250), CSound::Silence(50), CSound::Silence(10), sound(2), sound(0)})
            c.equations[0].append(e);
        for (const CSound& e : {CSound::Silence(2600), CSound::Silence(1000), CSound::Silence(1750), stray})
            c.equations[1].append(e);
        c.equations[219].append(sound(1));
        for (int k = 0; k < kKeyCount; ++k) {
            c.key.keyFunction[k] = (k * 5) % 15;
            c.equation.equationNumber[k] = 219 - k;
        }
        std::vector<uint8_t> window(0x10000);
        for (size_t i = 0; i < window.size(); ++i)
            window[i] = uint8_t(i * 7);
        WriteBytes(dir.file(name + ".ext"), window);
        c.options = {.externalMode = external, .controlMode = mode, .soundOutput = 1, .busyLevel = 0, .pullHigh = 1,
                     .externalBinPath = dir.file(name + ".ext")};
    });
    std::string err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", "--flash", "8M", project}, nullptr, &err), 0) << err;
    return project + ".bin";
}

void Fifo(const std::string& path, int = 0) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }

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
        dir, "P.winproj", 1, [](const std::string& p, int) { WriteTestWav(p, 22000, 1, 16, 12.0); },
        [](ProjectContent& c) {
            c.library.begin()->path = "C:\\old\\place\\0.wav";  // rebuilt when the project is opened
            c.equations[0].append(*c.library.begin());
        });
    const std::vector<uint8_t> before = ReadBytes(file);
    std::string out, err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", file, "--flash", "2M"}, &out, &err), 0) << err;
    EXPECT_EQ(out, "BIN File Saved!\nSize: 524288 bytes\nBin File don't fit in flash! Pls select 4M flash\n");
    const std::vector<uint8_t> bin = ReadBytes(file + ".bin");
    EXPECT_EQ(std::vector(bin.begin() + 0x130, bin.begin() + 0x134), (std::vector<uint8_t>{0x44, 0x00, 0x00, 0xFF}));
    // 32M unless told otherwise.
    EXPECT_EQ(RunProgram("kr615b", {"compile", file}, &out, &err), 0) << err;
    EXPECT_EQ(ReadBytes(file + ".bin")[30], 6);
    EXPECT_EQ(ReadBytes(file), before);

    std::filesystem::remove(dir.file("P.winproj/P.winproj.sound/0.wav"));
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
        MakeProject(dir, "K.winproj", 60, [](const std::string& p, int) { WriteTestWav(p, 22000, 1, 16, 3.0); });
    ASSERT_EQ(RunProgram("kr615b", {"compile", project, "--flash", "64M"}), 0);
    const std::vector<uint8_t> before = ReadBytes(project + ".bin");  // unlike the 32M BIN
    QProcess compile;
    compile.start(QString::fromStdString(ProgramDir() + "kr615b"), {"compile", QString::fromStdString(project)});
    while (!std::filesystem::exists(project + ".bin.part") && compile.state() != QProcess::NotRunning)
        QThread::usleep(200);
    compile.kill();
    compile.waitForFinished();
    ASSERT_EQ(compile.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(ReadBytes(project + ".bin"), before);
    ASSERT_EQ(RunProgram("kr615b", {"compile", project}), 0);
    EXPECT_FALSE(std::filesystem::exists(project + ".bin.part"));
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

TEST(BinReadback, RecoveredProjectCompilesToTheSameImageUpToTheVoiceData)
{
    ScratchDir dir;
    const struct {
        int32_t mode, external;
    } cases[] = {{kKeyMode, 1}, {kMatrix3x8, 0}, {kParallelPort, 1}, {kOneLine, 0}};
    for (const auto& c : cases) {
        const std::string name = "m" + std::to_string(c.mode) + ".winproj";
        SCOPED_TRACE(name);
        const std::string bin = CompiledProject(dir, name, c.mode, c.external);
        std::string out, err;
        ASSERT_EQ(RunProgram("kr615b", {"recover", bin, dir.file("r/" + name)}, &out, &err), 0) << err;
        ASSERT_EQ(RunProgram("kr615b", {"compile", "--flash", "8M", out.substr(0, out.size() - 1)}, nullptr, &err), 0);
        const std::vector<uint8_t> original = ReadBytes(bin), again = ReadBytes(out.substr(0, out.size() - 1) + ".bin");
        ASSERT_EQ(again.size(), original.size());
        EXPECT_TRUE(std::equal(original.begin(), original.begin() + kSoundData, again.begin()));
    }
    // Silences come back as the fewest that write the same tokens.
    std::string json;
    ASSERT_EQ(RunProgram("kr615b", {"inspect", "--json", dir.file("m6.winproj/m6.winproj.bin")}, &json), 0);
    EXPECT_NE(json.find(R"("equations":[[{"sound":0},{"silenceMs":300},{"silenceMs":10},{"sound":2},{"sound":0}],)"
                        R"([{"silenceMs":2600},{"silenceMs":1000},{"silenceMs":1750},{"sound":509}],[])"),
              std::string::npos)
        << json.substr(json.find("equations"), 200);
    EXPECT_NE(json.find(R"({"function":null,"equation":210},{"function":null,"equation":null})"), std::string::npos);
    std::string text;
    ASSERT_EQ(RunProgram("kr615b", {"inspect", dir.file("m6.winproj/m6.winproj.bin")}, &text), 0);
    for (const char* line : {"\n  Key 10: equation 210\n", "\n  0: [001] [silence 300 ms] [silence 10 ms] [003] [001]\n",
                             "\n  002  8000 Hz  2630 bytes  500 ms\n  003", "\n  004-510  converted silence (filler)\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;

    // The firmware header of the project, never written over the project.
    const std::string project = dir.file("m6.winproj/m6.winproj");
    ASSERT_EQ(RunProgram("kr615b", {"manifest", project}, &text), 0);
    EXPECT_NE(text.find("#define KR_SOUND_2 2\n"), std::string::npos) << text;
    EXPECT_EQ(RunProgram("kr615b", {"manifest", project, "--out", dir.path() + "/m6.winproj/./m6.winproj"}), 1);
    EXPECT_EQ(RunProgram("kr615b", {"manifest", project, "--out", dir.file("m6.h")}), 0);
    EXPECT_EQ(ReadBytes(dir.file("m6.h")), std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(BinReadback, DamagedImagesEndInAClearError)
{
    ScratchDir dir;
    const std::vector<uint8_t> good = ReadBytes(CompiledProject(dir, "d.winproj", kKeyMode, 0));
    const uint64_t end = ReadBin(good.data(), good.size()).dataEnd;
    const auto record = [](std::vector<uint8_t>& b, int slot) { return b.data() + kSoundTable + slot * kSoundRecordBytes; };
    const struct {
        std::function<void(std::vector<uint8_t>&)> damage;
        const char* error;
    } cases[] = {
        {[](auto& b) { b.resize(kSoundData - 1); }, "too short"},
        {[](auto& b) { b[2] = 0x66; }, "control-mode code 0x66"},
        {[](auto& b) { b[kFlashSizeByte] = 9; }, "flash-size code"},
        {[](auto& b) { b[EquationSlotOffset(3)] = 0x45; }, "equation 3, byte 0: unknown token 0x45"},
        {[](auto& b) { b[EquationSlotOffset(0) + 1] = 0x02; }, "sound slot 512 does not exist"},
        {[](auto& b) {
             for (uint32_t i = 0; i < kEquationSlotBytes; ++i)
                 b[EquationSlotOffset(4) + i] = i % 3 ? 0 : kSoundToken;
         },
         "equation 4, byte 255: a sound token cut"},
        {[&](auto& b) { record(b, 7)[3] = 0x70; }, "sound 7: impossible start address"},
        {[&](auto& b) { record(b, 9)[4] = 0xFF; }, "sound 9: impossible start address"},
        {[&](auto& b) { record(b, 300)[4] -= 1; }, "sound 300 starts before sound 299"},
        {[&](auto& b) { record(b, 3)[0] = 0x11; }, "unknown rate code"},
        {[&](auto& b) { b.resize(end - 1); }, "sound 509 runs past the end"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bad = good;
        c.damage(bad);
        EXPECT_THAT([&] { ReadBin(bad.data(), bad.size()); },
                    testing::ThrowsMessage<BinFormatError>(testing::HasSubstr(c.error)));
    }
}

// The portable decoder, built as strict C99, plays an equation out of the
// image sample for sample as the program decodes its sounds.
TEST(BinReadback, PortableDecoderPlaysAsTheProgramDecodes)
{
    ScratchDir dir;
    const std::string bin = CompiledProject(dir, "c.winproj", kKeyMode, 0);
    std::string events, err;
    ASSERT_EQ(RunProgram("../tests/krvoice_play", {bin, "0", dir.file("eq0.raw")}, &events, &err), 0) << err;
    ASSERT_EQ(RunProgram("kr615b", {"extract", bin, dir.file("x")}, nullptr, &err), 0) << err;
    std::vector<uint8_t> expected;
    std::istringstream lines(events);
    std::string kind;
    for (int value; lines >> kind >> value;) {
        if (kind != "sound")
            continue;
        const std::vector<uint8_t> wav = ReadBytes(dir.file("x/00" + std::to_string(value) + ".wav"));
        const auto sound = voice::ParseWav(wav.data(), wav.size(), nullptr);
        ASSERT_TRUE(sound);
        lines >> value;
        EXPECT_EQ(uint32_t(value), sound->sampleRate);
        const auto* bytes = reinterpret_cast<const uint8_t*>(sound->samples.data());
        expected.insert(expected.end(), bytes, bytes + 2 * sound->samples.size());
    }
    EXPECT_EQ(events, "sound 0 16000\nsilence 250\nsilence 50\nsilence 10\nsound 2 22000\nsound 0 16000\n");
    EXPECT_EQ(ReadBytes(dir.file("eq0.raw")), expected);
}
