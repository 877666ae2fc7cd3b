#include <gtest/gtest.h>

#include <filesystem>

#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "PcmSound.h"
#include "VoiceFile.h"

namespace {

// A command's arguments, its exit status and a part of what it prints.
struct CommandRun {
    std::vector<std::string> args;
    int status;
    std::string says;
};

}  // namespace

// Commands run in turn on one folder, each ending with its status and saying
// what it did: `says` is a part of what it printed. A sound a command wrote
// is read back by `info --json`.
TEST(CliCommands, RunInTurnAndSayWhatTheyDid)
{
    ScratchDir dir;
    const std::string project = dir.file("P.winproj/P.winproj"), list = dir.file("prompts.txt"), wav = dir.file("tone.wav");
    for (const char* name : {"a.wav", "b.wav"})
        WriteTestWav(dir.file(name), 8000, 1, 16, 0.05);
    WriteTestWav(dir.file("c.wav"), 44100, 1, 16, 0.05);
    WriteTestWav(wav, 22050, 2, 16, 1.5);
    WriteTestWav(dir.file("in.wav"), 16000, 1, 16, 7.0);  // voice data of more than one 64 KiB piece
    ASSERT_TRUE(MakeTestSound(dir.file("tone.wma"), 22050, 2, 2.0));
    const std::string prompts = "welcome\tWelcome home\n\nbye\tGoodbye\n", bad = prompts + "oops\n";
    WriteBytes(list, std::vector<uint8_t>(prompts.begin(), prompts.end()));
    WriteBytes(dir.file("bad.txt"), std::vector<uint8_t>(bad.begin(), bad.end()));
    const auto rate = [](int hz) { return "{\"sampleRate\":" + std::to_string(hz) + ","; };
    const CommandRun steps[] = {
        {{"new", dir.file("P.winproj")}, 0, project + "\n"},
        {{"new", dir.file("P.winproj")}, 1, "already exists"},  // an existing project file is never replaced
        {{"load", project, dir.file("a.wav")}, 0, ""},
        // Load adds the files up to the first refusal, and saves.
        {{"load", project, dir.file("b.wav"), dir.file("c.wav"), dir.file("a.wav")}, 1,
         "Incompatible sampling rate, pls change it in main menu before loading into the project!\n"},
        {{"show", project}, 0, "Library: 2 sound(s)\n  0  a.wav  8000 Hz  16 bit  MONO  50 ms\n  1  b.wav  8000 Hz"},
        {{"show", "--json", project}, 0, "22,23],\"options\":{\"externalMode\":0,\"controlMode\":6,"},
        {{"info", "--json", wav}, 0, "{\"sampleRate\":22050,\"bits\":16,\"channels\":2,\"duration\":1.5,\"aux\":705600}\n"},
        {{"info", wav}, 0, "Sampling rate: 22050 Hz (not accepted; steps down to 22000 Hz)\n"},
        // A compressed file reports the width it decodes to.
        {{"info", "--json", dir.file("tone.wma")}, 0, "{\"sampleRate\":22050,\"bits\":16,\"channels\":2,"},
        {{"convert", wav, dir.file("out.wav"), "12000"}, 0, "MP3/WMA to WAV Convert OK!\n"},
        {{"info", "--json", dir.file("out.wav")}, 0, rate(12000)},
        {{"say", "--voices"}, 0, "\nde\tGerman\n"},
        {{"say", "--list", list, "--out", dir.file("out"), "--rate", "12000", "--voice", "de"}, 0, ""},
        {{"info", "--json", dir.file("out/welcome.wav")}, 0, rate(12000)},
        {{"info", "--json", dir.file("out/bye.wav")}, 0, rate(12000)},
        {{"say", "--list", dir.file("bad.txt"), "--out", dir.file("none"), "--rate", "8000"}, 1, "line 4"},
        {{"say", "--rate", "8000", "--", "-5 degrees", dir.file("one.wav")}, 0, ""},
        {{"info", "--json", dir.file("one.wav")}, 0, rate(8000)},
        {{"prepare", wav, dir.file("p.wav"), "--rate", "22000", "--margin", "0"}, 0, ""},
        {{"info", "--json", dir.file("p.wav")}, 0, rate(22000)},
        {{"encode", dir.file("in.wav"), dir.file("my sound-1.bin")}, 0, ""},
        {{"decode", dir.file("my sound-1.bin"), dir.file("out.wav")}, 0, ""},
        {{"info", "--json", dir.file("out.wav")}, 0, "{\"sampleRate\":16000,\"bits\":16,\"channels\":1,\"duration\":7,"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.args[0] + " " + step.args.back());
        std::string out, err;
        EXPECT_EQ(RunProgram("kr615b", step.args, &out, &err), step.status) << err;
        EXPECT_NE((out + err).find(step.says), std::string::npos) << out << err;
    }
    EXPECT_EQ(ReadBytes(dir.file("P.winproj/P.winproj.sound/b.wav")), ReadBytes(dir.file("b.wav")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("none")));  // a refused list writes nothing

    // Encode runs the converter plugin; its companion header holds the
    // figures and the bytes as a C array, written piece by piece.
    const std::vector<uint8_t> data = ReadBytes(dir.file("my sound-1.bin"));
    EXPECT_EQ(data, voice::EncodeVoice(*voice::ReadWavFile(dir.file("in.wav"), nullptr)));
    const std::vector<uint8_t> header = ReadBytes(dir.file("my sound-1.bin.h"));
    const std::string text(header.begin(), header.end());
    using namespace std::string_literals;
    for (const std::string& line : {" converted from in.wav by ChimeConverter."s, ",\n};"s,
                                    "\n#define VOICE_MY_SOUND_1_BIN_SAMPLE_RATE 16000u\n"s,
                                    "\n#define VOICE_MY_SOUND_1_BIN_SAMPLE_COUNT 112000u\n"s,
                                    "\nstatic const unsigned char voice_my_sound_1_bin[" + std::to_string(data.size()) + "] = {\n    0x"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    std::vector<uint8_t> listed;
    for (size_t at = 0; (at = text.find("0x", at)) != std::string::npos; at += 2)
        listed.push_back(uint8_t(std::stoi(text.substr(at + 2, 2), nullptr, 16)));
    EXPECT_EQ(listed, data);
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
    const CommandRun cases[] = {
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
        EXPECT_FALSE(std::filesystem::exists(o));
    }
    EXPECT_EQ(ReadBytes(wav), input);
}
