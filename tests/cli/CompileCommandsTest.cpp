#include <gtest/gtest.h>

#include <QFile>

#include "common/TestFiles.h"
#include "model/Project.h"
#include "PcmSound.h"
#include "VoiceFile.h"

namespace {

voice::PcmSound Tone(uint32_t rate, size_t samples)
{
    voice::PcmSound s{rate, {}};
    for (size_t i = 0; i < samples; ++i)
        s.samples.push_back(int16_t((i * 53) % 4000) - 2000);
    return s;
}

}  // namespace

TEST(CliCompile, NewProjectCompilesAndReportsTheMessages)
{
    ScratchDir dir;
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"new", dir.file("Demo.winproj")}, &out, &err), 0) << err;
    const std::string project = dir.file("Demo.winproj/Demo.winproj");
    const std::vector<uint8_t> before = ReadBytes(project);

    ASSERT_EQ(RunProgram("kr615b", {"compile", project}, &out, &err), 0) << err;
    EXPECT_EQ(out, "BIN File Saved!\nSize: 262144 bytes\n");
    const std::vector<uint8_t> bin = ReadBytes(project + ".bin");
    ASSERT_EQ(bin.size(), 262144u);
    EXPECT_EQ(bin[30], 6);
    EXPECT_EQ(ReadBytes(project), before);  // the project file is not written

    ASSERT_EQ(RunProgram("kr615b", {"compile", "--flash", "64M", project}, &out, &err), 0) << err;
    EXPECT_EQ(ReadBytes(project + ".bin")[30], 7);
}

TEST(CliCompile, MovedProjectFindsItsSoundsAndGetsAdvice)
{
    ScratchDir dir;
    Project project;
    ASSERT_FALSE(CreateNewProject(dir.file("P.winproj"), "P.winproj", 0, project));
    CSound sound;
    sound.kind = CSound::kSoundFile;
    sound.name = "long.wav";
    sound.path = "C:\\old\\place\\long.wav";  // rebuilt when the project is opened
    sound.sampleRate = 22000;
    sound.lengthMs = 12000;
    project.content.library.append(sound);
    project.content.equations[0].append(sound);
    WriteBytes(project.soundFolderPath + "/long.wav", voice::WavBytes(Tone(22000, 22000 * 12)));
    ASSERT_FALSE(SaveProject(project));

    std::string out, err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", project.projectFilePath, "--flash", "2M"}, &out, &err), 0) << err;
    EXPECT_EQ(out, "BIN File Saved!\nSize: 524288 bytes\nBin File don't fit in flash! Pls select 4M flash\n");
    const std::vector<uint8_t> bin = ReadBytes(project.projectFilePath + ".bin");
    EXPECT_EQ(std::vector<uint8_t>(bin.begin() + 0x130, bin.begin() + 0x134),
              (std::vector<uint8_t>{0x44, 0x00, 0x00, 0xFF}));

    // A sound file that is gone ends the compile with its file error.
    QFile::remove(QString::fromStdString(project.soundFolderPath + "/long.wav"));
    EXPECT_EQ(RunProgram("kr615b", {"compile", project.projectFilePath}, &out, &err), 1);
    EXPECT_EQ(out.substr(0, 6), "Fail!\n");
    EXPECT_NE(out.find("long.wav: cannot open the file"), std::string::npos);
}

TEST(CliCodec, EncodeThenDecode)
{
    ScratchDir dir;
    const voice::PcmSound tone = Tone(16000, 112000);  // voice data of more than one 64 KiB piece
    WriteBytes(dir.file("in.wav"), voice::WavBytes(tone));
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"encode", dir.file("in.wav"), dir.file("v.bin")}, &out, &err), 0) << err;
    EXPECT_EQ(ReadBytes(dir.file("v.bin")), voice::EncodeVoice(tone));
    // The companion holds the bytes as a C array, written piece by piece.
    const std::vector<uint8_t> data = ReadBytes(dir.file("v.bin"));
    const std::vector<uint8_t> header = ReadBytes(dir.file("v.bin.h"));
    const std::string text(header.begin(), header.end());
    EXPECT_NE(text.find("static const unsigned char voice_v_bin[" + std::to_string(data.size()) +
                        "] = {\n    0x4b, 0x52, 0x56, 0x44,"),
              std::string::npos);
    char last[16];
    std::snprintf(last, sizeof last, "0x%02x,\n};", data.back());
    EXPECT_NE(text.find(last), std::string::npos);
    size_t bytes = 0;
    for (size_t at = 0; (at = text.find("0x", at)) != std::string::npos; at += 2)
        ++bytes;
    EXPECT_EQ(bytes, data.size());

    ASSERT_EQ(RunProgram("kr615b", {"decode", dir.file("v.bin"), dir.file("out.wav")}, &out, &err), 0) << err;
    const std::vector<uint8_t> wav = ReadBytes(dir.file("out.wav"));
    const auto decoded = voice::ParseWav(wav.data(), wav.size(), nullptr);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->sampleRate, 16000u);
    EXPECT_EQ(decoded->samples.size(), tone.samples.size());
    EXPECT_TRUE(out.empty());
}
