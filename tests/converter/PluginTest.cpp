#include <gtest/gtest.h>

#include <filesystem>

#include <QLibrary>

#include "common/TestFiles.h"
#include "common/TestSound.h"

// The plugin is found by its name and writes nothing at all for a file it
// cannot read or an output it cannot write; files left longer by an earlier
// conversion are written over and cut. What it writes is checked by the
// compile and encode tests.
TEST(Plugin, WritesNothingForWhatItCannotReadOrWrite)
{
    QLibrary library(QString::fromStdString(ProgramDir() + "ChimeConverter"));
    const auto convert = reinterpret_cast<int (*)(const char*, const char*, const char*)>(library.resolve("ConvertWAVToQMF"));
    ASSERT_NE(convert, nullptr) << library.errorString().toStdString();
    ScratchDir dir;
    const std::string wav = dir.file("good.wav"), notWav = dir.file("text.wav"), out = notWav + ".rbf";
    const std::string unwritable = dir.file("no/such/folder/x.rbf");
    WriteTestWav(wav, 8000, 1, 16, 0.1);
    WriteBytes(notWav, {'h', 'e', 'l', 'l', 'o'});
    using std::filesystem::exists;
    EXPECT_EQ(convert(notWav.c_str(), out.c_str(), out.c_str()), 0);
    EXPECT_FALSE(exists(out) || exists(out + ".h"));
    EXPECT_EQ(convert(wav.c_str(), unwritable.c_str(), unwritable.c_str()), 0);
    EXPECT_FALSE(exists(unwritable));
    EXPECT_EQ(convert(nullptr, out.c_str(), nullptr), 0);
    EXPECT_EQ(convert(wav.c_str(), out.c_str(), nullptr), 1);

    const std::vector<uint8_t> data = ReadBytes(out), header = ReadBytes(out + ".h");
    WriteBytes(out, std::vector<uint8_t>(data.size() * 3, 0xAB));
    WriteBytes(out + ".h", std::vector<uint8_t>(header.size() * 3, 'x'));
    EXPECT_EQ(convert(wav.c_str(), out.c_str(), nullptr), 1);
    EXPECT_EQ(ReadBytes(out), data);
    EXPECT_EQ(ReadBytes(out + ".h"), header);
}
