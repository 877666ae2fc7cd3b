#include <gtest/gtest.h>

#include <QFile>
#include <QLibrary>

#include "common/TestFiles.h"
#include "PcmSound.h"
#include "VoiceFile.h"

namespace {

bool Exists(const std::string& path)
{
    return QFile::exists(QString::fromStdString(path));
}

}  // namespace

// The plugin writes the voice data and a header of its figures, or nothing
// at all for a file it cannot read or an output it cannot write.
TEST(Plugin, ConvertsAWavIntoVoiceDataAndItsFiguresOrWritesNothing)
{
    QLibrary library(QString::fromStdString(ProgramDir() + "ChimeConverter"));
    const auto convert = reinterpret_cast<int (*)(const char*, const char*, const char*)>(library.resolve("ConvertWAVToQMF"));
    ASSERT_NE(convert, nullptr) << library.errorString().toStdString();
    ScratchDir dir;
    voice::PcmSound sound{16000, {}};
    for (int i = 0; i < 1000; ++i)
        sound.samples.push_back(int16_t((i * 37) % 2000 - 1000));
    const std::string wav = dir.file("my sound-1.wav");
    WriteBytes(wav, voice::WavBytes(sound));
    const std::string out = wav + ".rbf";
    ASSERT_EQ(convert(wav.c_str(), out.c_str(), out.c_str()), 1);
    const std::vector<uint8_t> data = ReadBytes(out);
    EXPECT_EQ(data, voice::EncodeVoice(sound));

    const std::vector<uint8_t> header = ReadBytes(out + ".h");
    const std::string text(header.begin(), header.end());
    for (const std::string& line :
         {std::string("converted from my sound-1.wav by"), std::string("#define VOICE_MY_SOUND_1_WAV_RBF_SAMPLE_RATE 16000u"),
          std::string("#define VOICE_MY_SOUND_1_WAV_RBF_SAMPLE_COUNT 1000u"),
          "#define VOICE_MY_SOUND_1_WAV_RBF_SIZE " + std::to_string(data.size()) + "u"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    // Files left longer by an earlier conversion are written over and cut to
    // the same bytes.
    WriteBytes(out, std::vector<uint8_t>(data.size() * 3, 0xAB));
    WriteBytes(out + ".h", std::vector<uint8_t>(header.size() * 3, 'x'));
    ASSERT_EQ(convert(wav.c_str(), out.c_str(), out.c_str()), 1);
    EXPECT_EQ(ReadBytes(out), data);
    EXPECT_EQ(ReadBytes(out + ".h"), header);

    const std::string notWav = dir.file("text.wav"), notWavOut = notWav + ".rbf";
    const std::string unwritable = dir.file("no/such/folder/x.rbf");
    WriteBytes(notWav, {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(convert(notWav.c_str(), notWavOut.c_str(), notWavOut.c_str()), 0);
    EXPECT_FALSE(Exists(notWavOut));
    EXPECT_FALSE(Exists(notWavOut + ".h"));
    EXPECT_EQ(convert(wav.c_str(), unwritable.c_str(), unwritable.c_str()), 0);
    EXPECT_FALSE(Exists(unwritable));
    EXPECT_EQ(convert(nullptr, out.c_str(), nullptr), 0);
}
