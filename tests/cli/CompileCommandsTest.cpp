#include <gtest/gtest.h>

#include <QFile>

#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "model/Project.h"
#include "PcmSound.h"
#include "VoiceFile.h"

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
    WriteTestWav(project.soundFolderPath + "/long.wav", 22000, 1, 16, 12.0);
    ASSERT_FALSE(SaveProject(project));
    const std::string& file = project.projectFilePath;
    const std::vector<uint8_t> before = ReadBytes(file);

    std::string out, err;
    EXPECT_EQ(RunProgram("kr615b", {"compile", file, "--flash", "2M"}, &out, &err), 0) << err;
    EXPECT_EQ(out, "BIN File Saved!\nSize: 524288 bytes\nBin File don't fit in flash! Pls select 4M flash\n");
    const std::vector<uint8_t> bin = ReadBytes(file + ".bin");
    EXPECT_EQ(std::vector<uint8_t>(bin.begin() + 0x130, bin.begin() + 0x134),
              (std::vector<uint8_t>{0x44, 0x00, 0x00, 0xFF}));
    // 32M unless told otherwise; the project file is only read.
    EXPECT_EQ(RunProgram("kr615b", {"compile", file}, &out, &err), 0) << err;
    EXPECT_EQ(ReadBytes(file + ".bin")[30], 6);
    EXPECT_EQ(ReadBytes(file), before);

    // A sound file that is gone ends the compile with its file error.
    QFile::remove(QString::fromStdString(project.soundFolderPath + "/long.wav"));
    EXPECT_EQ(RunProgram("kr615b", {"compile", file}, &out, &err), 1);
    EXPECT_EQ(out.substr(0, 6), "Fail!\n");
    EXPECT_NE(out.find("long.wav: cannot open the file"), std::string::npos);
}

TEST(CliCodec, EncodeThenDecode)
{
    ScratchDir dir;
    WriteTestWav(dir.file("in.wav"), 16000, 1, 16, 7.0);  // voice data of more than one 64 KiB piece
    const voice::PcmSound tone = *voice::ReadWavFile(dir.file("in.wav"), nullptr);
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"encode", dir.file("in.wav"), dir.file("v.bin")}, &out, &err), 0) << err;
    const std::vector<uint8_t> data = ReadBytes(dir.file("v.bin"));
    EXPECT_EQ(data, voice::EncodeVoice(tone));
    // The companion holds the bytes as a C array, written piece by piece.
    const std::vector<uint8_t> header = ReadBytes(dir.file("v.bin.h"));
    const std::string text(header.begin(), header.end());
    EXPECT_NE(text.find("static const unsigned char voice_v_bin[" + std::to_string(data.size()) + "] = {\n    0x"),
              std::string::npos);
    std::vector<uint8_t> listed;
    for (size_t at = 0; (at = text.find("0x", at)) != std::string::npos; at += 2)
        listed.push_back(uint8_t(std::stoi(text.substr(at + 2, 2), nullptr, 16)));
    EXPECT_EQ(listed, data);
    EXPECT_NE(text.find(",\n};"), std::string::npos);

    ASSERT_EQ(RunProgram("kr615b", {"decode", dir.file("v.bin"), dir.file("out.wav")}, &out, &err), 0) << err;
    const auto decoded = voice::ReadWavFile(dir.file("out.wav"), nullptr);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->sampleRate, 16000u);
    EXPECT_EQ(decoded->samples.size(), tone.samples.size());
    EXPECT_TRUE(out.empty());
}
