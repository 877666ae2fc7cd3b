#include <gtest/gtest.h>

#include <QFile>
#include <QLibrary>

#include "common/TestFiles.h"
#include "PcmSound.h"
#include "VoiceFile.h"

namespace {

using Convert = int (*)(const char*, const char*, const char*);

struct Plugin {
    QLibrary library{QString::fromStdString(ProgramDir() + "ChimeConverter")};
    Convert convert = nullptr;
    Plugin() { convert = reinterpret_cast<Convert>(library.resolve("ConvertWAVToQMF")); }
};

bool Exists(const std::string& path)
{
    return QFile::exists(QString::fromStdString(path));
}

}  // namespace

TEST(Plugin, ConvertsAWavIntoVoiceDataAndItsFigures)
{
    Plugin plugin;
    ASSERT_NE(plugin.convert, nullptr) << plugin.library.errorString().toStdString();
    ScratchDir dir;
    voice::PcmSound sound{16000, {}};
    for (int i = 0; i < 1000; ++i)
        sound.samples.push_back(int16_t((i * 37) % 2000 - 1000));
    const std::string wav = dir.file("my sound-1.wav");
    WriteBytes(wav, voice::WavBytes(sound));
    const std::string out = wav + ".rbf";
    ASSERT_EQ(plugin.convert(wav.c_str(), out.c_str(), out.c_str()), 1);
    const std::vector<uint8_t> data = ReadBytes(out);
    EXPECT_EQ(data, voice::EncodeVoice(sound));

    const std::vector<uint8_t> header = ReadBytes(out + ".h");
    const std::string text(header.begin(), header.end());
    EXPECT_NE(text.find("converted from my sound-1.wav by"), std::string::npos);
    EXPECT_NE(text.find("#define VOICE_MY_SOUND_1_WAV_RBF_SAMPLE_RATE 16000u"), std::string::npos);
    EXPECT_NE(text.find("#define VOICE_MY_SOUND_1_WAV_RBF_SAMPLE_COUNT 1000u"), std::string::npos);
    EXPECT_NE(text.find("#define VOICE_MY_SOUND_1_WAV_RBF_SIZE " + std::to_string(data.size()) + "u"),
              std::string::npos);
}

TEST(Plugin, WritesNothingForAFileItCannotRead)
{
    Plugin plugin;
    ASSERT_NE(plugin.convert, nullptr);
    ScratchDir dir;
    const std::string wav = dir.file("text.wav");
    WriteBytes(wav, {'h', 'e', 'l', 'l', 'o'});
    const std::string out = wav + ".rbf";
    EXPECT_EQ(plugin.convert(wav.c_str(), out.c_str(), out.c_str()), 0);
    EXPECT_FALSE(Exists(out));
    EXPECT_FALSE(Exists(out + ".h"));
    EXPECT_EQ(plugin.convert(nullptr, out.c_str(), nullptr), 0);

    // An output that cannot be written leaves nothing behind either.
    WriteBytes(wav, voice::WavBytes({8000, std::vector<int16_t>(100, 5)}));
    const std::string unwritable = dir.file("no/such/folder/x.rbf");
    EXPECT_EQ(plugin.convert(wav.c_str(), unwritable.c_str(), unwritable.c_str()), 0);
    EXPECT_FALSE(Exists(unwritable));
}
