#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "common/TestFiles.h"
#include "common/TestSound.h"

// Load adds the files up to the first refusal and saves; show reads back
// what new and load wrote.
TEST(CliProject, NewLoadAndShow)
{
    ScratchDir dir;
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"new", dir.file("P.winproj")}, &out, &err), 0) << err;
    const std::string file = dir.file("P.winproj/P.winproj");
    EXPECT_EQ(out, file + "\n");
    // An existing project file is never replaced.
    EXPECT_EQ(RunProgram("kr615b", {"new", dir.file("P.winproj")}, &out, &err), 1);
    EXPECT_NE(err.find("already exists"), std::string::npos);

    for (const char* name : {"a.wav", "b.wav"})
        WriteTestWav(dir.file(name), 8000, 1, 16, 0.05);
    WriteTestWav(dir.file("c.wav"), 44100, 1, 16, 0.05);
    ASSERT_EQ(RunProgram("kr615b", {"load", file, dir.file("a.wav")}, &out, &err), 0) << err;
    EXPECT_EQ(out, "");
    EXPECT_EQ(RunProgram("kr615b", {"load", file, dir.file("b.wav"), dir.file("c.wav"), dir.file("a.wav")}, &out, &err),
              1);
    EXPECT_EQ(out, "Incompatible sampling rate, pls change it in main menu before loading into the project!\n");
    EXPECT_EQ(ReadBytes(dir.file("P.winproj/P.winproj.sound/b.wav")), ReadBytes(dir.file("b.wav")));

    ASSERT_EQ(RunProgram("kr615b", {"show", "--json", file}, &out, &err), 0) << err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    EXPECT_EQ(o["library"].toArray().size(), 2);
    EXPECT_EQ(o["library"].toArray()[1].toObject()["name"].toString(), "b.wav");
    EXPECT_EQ(o["equationNumber"].toArray()[23].toInt(), 23);
    EXPECT_EQ(o["options"].toObject()["controlMode"].toInt(), 6);
    EXPECT_EQ(o["equations"].toArray().size(), 220);
    ASSERT_EQ(RunProgram("kr615b", {"show", file}, &out, &err), 0);
    EXPECT_NE(out.find("Key Mode"), std::string::npos);
    EXPECT_NE(out.find("\n  1  b.wav  8000 Hz  16 bit  MONO  50 ms\n"), std::string::npos) << out;
}

// Bad calls end with status 2 (usage) or 1 (failure), say why on stderr,
// print nothing on stdout and write no output file.
TEST(CliUsage, BadCallsEndWithTheirStatusAndWriteNothing)
{
    ScratchDir dir;
    const std::string wav = dir.file("tone.wav"), o = dir.file("o.wav"), none = dir.file("none.winproj");
    WriteTestWav(wav, 44100, 2, 16, 0.2);
    WriteBytes(dir.file("text.wav"), {'R', 'I', 'F', 'F'});
    WriteTestWav(dir.file("silent.wav"), 8000, 1, 16, 1.0, 0.0);
    WriteBytes(dir.file("bad.winproj"), {0xFF, 0xFF, 0x01});
    const std::string notRate = "is not one of 4000";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string says;
    } cases[] = {
        {{}, 2, ""},
        {{"nosuch"}, 2, ""},
        {{"--help"}, 0, "show"},
        {{"show", "--help"}, 0, "usage: kr615b show"},
        {{"convert", "--help"}, 0, "usage: kr615b convert"},
        {{"show"}, 2, ""},
        {{"show", "--bogus", "x"}, 2, ""},
        {{"show", dir.file("bad.winproj")}, 1, "not a readable project"},
        {{"compile"}, 2, ""},
        {{"compile", none, "--flash", "3M"}, 2, ""},
        {{"compile", none, "--flash"}, 2, ""},
        {{"compile", none}, 1, ""},
        {{"load", none}, 2, ""},
        {{"load", none, wav}, 1, ""},
        {{"info"}, 2, ""},
        {{"info", "--bogus", wav}, 2, ""},
        {{"info", dir.file("missing.wav")}, 1, ""},
        {{"convert", wav, o}, 2, ""},
        {{"convert", dir.file("missing.mp3"), o, "8000"}, 1, "Cannot read " + dir.file("missing.mp3")},
        {{"convert", wav, o, "11025"}, 1, notRate},
        {{"convert", wav, o, "3000"}, 1, notRate},
        {{"convert", wav, o, "24000"}, 1, notRate},
        {{"convert", wav, o, "8000x"}, 1, notRate},
        {{"convert", wav, o, ""}, 1, notRate},
        {{"encode", wav}, 2, ""},
        {{"encode", wav, dir.path() + "/./tone.wav"}, 2, ""},  // never over its own input
        {{"encode", dir.file("text.wav"), o}, 1, "cannot convert"},
        {{"decode"}, 2, ""},
        {{"decode", dir.file("nothing"), o}, 1, ""},
        {{"decode", wav, o}, 1, "not KR615B voice data"},
        {{"prepare", wav, o, "--rate", "11025"}, 2, ""},
        {{"prepare", wav, o}, 2, ""},
        {{"prepare", wav, o, "--rate", "8000", "--loudness", "0"}, 2, ""},
        {{"prepare", dir.file("text.wav"), o, "--rate", "8000"}, 1, ""},
        {{"prepare", dir.file("silent.wav"), o, "--rate", "8000"}, 1, ""},
        {{"prepare", dir.path(), o, "--rate", "8000"}, 1, ""},
        {{"say", "hi", o, "--rate", "8000", "--voice", "nosuchvoice"}, 2, ""},
        {{"say", "hi", o}, 2, "--rate is required"},
        {{"say", "--voices", "x"}, 2, ""},
        {{"say", "--list", dir.file("text.wav"), "--rate", "8000"}, 2, "go together"},
        {{"manifest", none, "--out", o}, 1, ""},
    };
    const std::vector<uint8_t> input = ReadBytes(wav);
    for (const auto& c : cases) {
        std::string out, err;
        SCOPED_TRACE(c.args.empty() ? "" : c.args[0] + " " + c.args.back());
        EXPECT_EQ(RunProgram("kr615b", c.args, &out, &err), c.status) << err;
        EXPECT_NE((c.status ? err : out).find(c.says), std::string::npos) << out << err;
        EXPECT_TRUE(c.status == 0 || out.empty()) << out;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(o)));
    }
    EXPECT_EQ(ReadBytes(wav), input);
}
