#include <gtest/gtest.h>

#include <filesystem>

#include <QDir>
#include <QFile>

#include "compiler/BinLayout.h"
#include "compiler/CompileFixture.h"

using std::filesystem::exists;

TEST(Compile, NewProjectWithEmptyLibrary)
{
    CompileFixture f;
    std::vector<std::pair<int, int>> progress;
    const CompileResult r = f.compile([&](int done, int total) { progress.emplace_back(done, total); });
    EXPECT_EQ(r.messages,
              (std::vector{UserMessage{"BIN File Saved!\nSize: 262144 bytes", Caption::Product, MessageIcon::None}}));
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 1}}));

    const std::vector<uint8_t> bin = ReadBytes(f.binPath());
    ASSERT_EQ(bin.size(), 262144u);
    EXPECT_EQ(Slice(bin, 0, 31), (Bytes{0xFF, 0x08, 0x05, 0xFF, 0x01, 0xFF, 0x00, 0x01, 0x01, 0x00, 0x01,
                                        0x01, 0x01, 0x02, 0x01, 0x03, 0x01, 0x04, 0x01, 0x05, 0x01, 0x06,
                                        0x01, 0x07, 0x01, 0x08, 0x01, 0x09, 0x01, 0x00, 0x06}));
    EXPECT_EQ(Slice(bin, 0x130, 126 * 256), std::vector<uint8_t>(126 * 256, 0xFF));
    EXPECT_EQ(Slice(bin, 0x10010, 94 * 256), std::vector<uint8_t>(94 * 256, 0xFF));
    EXPECT_EQ(Slice(bin, 0x7F30, 0x10010 - 0x7F30), std::vector<uint8_t>(0x10010 - 0x7F30, 0x00));
    EXPECT_EQ(Slice(bin, 0x17000, 8), (Bytes{0x90, 0x7F, 0xF0, 0xFF, 0x82, 0x88, 0x01, 0xFF}));
    EXPECT_EQ(Slice(bin, 0x17008, 8), (Bytes{0x90, 0x7F, 0x34, 0x80, 0x83, 0x88, 0x01, 0xFF}));
    EXPECT_EQ(Slice(bin, 0x17000 + 509 * 8, 8), (Bytes{0x90, 0x7F, 0x24, 0x87, 0x84, 0x88, 0x01, 0xFF}));
    EXPECT_EQ(Slice(bin, 0x16F00, 256), Slice(ReadBytes(ProgramDir() + "q31825_A3_Ext_Spi_Code.bin"), 0, 256));

    // 510 copies of the converted silence, then erased flash.
    const std::vector<uint8_t> silence = voice::EncodeVoice(*voice::ReadWavFile(ProgramDir() + "silence10ms.wav", nullptr));
    ASSERT_EQ(silence.size(), 68u);
    for (int k = 0; k < 510; ++k)
        ASSERT_EQ(Slice(bin, 0x17FF0 + 68 * size_t(k), 68), silence) << "slot " << k;
    EXPECT_NE(bin[0x20767], 0xFF);  // the silence's checksum ends the data
    EXPECT_EQ(Slice(bin, 0x20768, 262144 - 0x20768), std::vector<uint8_t>(262144 - 0x20768, 0xFF));
}

TEST(Compile, LibrarySoundsEquationsCutsAndTemporaryFiles)
{
    CompileFixture f;
    const CSound a = f.makeSound("a.wav", 16000, 16000);
    const CSound b = f.makeSound("b.wav", 22050, 1000);  // a rate without a code of its own
    f.content.library.append(a);
    f.content.library.append(b);
    CSound stray = a;
    stray.path = f.dir.file("elsewhere/a.wav");
    for (const CSound& e : {b, CSound::Silence(2600), stray})
        f.content.equations[0].append(e);
    for (const CSound& e : {a, CSound::Silence(0)})
        f.content.equations[1].append(e);
    // 84 silences of 2600 ms: an equation size of 168, but 336 bytes of tokens.
    for (int i = 0; i < 84; ++i)
        f.content.equations[5].append(CSound::Silence(2600));
    f.content.equations[6].append(CSound::Silence(10));

    std::vector<std::pair<int, int>> progress;
    const CompileResult r = f.compile([&](int done, int total) { progress.emplace_back(done, total); });
    ASSERT_TRUE(r.saved) << Texts(r.messages)[0];
    EXPECT_EQ(Texts(r.messages), (std::vector<std::string>{"BIN File Saved!\nSize: 262144 bytes",
                                                            "Equation 5 is too long for its slot and was cut"}));
    EXPECT_EQ(r.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    const std::vector<uint8_t> bin = ReadBytes(f.binPath());
    // 256 bytes are exactly 128 whole tokens; the next slot is untouched.
    const size_t slot5 = 0x130 + 5 * 256;
    EXPECT_EQ(Slice(bin, slot5 + 248, 8), (Bytes{0x81, 0x02, 0x80, 0xFA, 0x80, 0xFA, 0x80, 0x64}));
    EXPECT_EQ(Slice(bin, slot5 + 256, 3), (Bytes{0x80, 0x0A, 0xFF}));

    EXPECT_EQ(Slice(bin, 0x130, 17), (Bytes{0x44, 0x00, 0x01, 0x81, 0x02, 0x80, 0xFA, 0x80, 0xFA, 0x80, 0x64,
                                            0x44, 0x01, 0xFD, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(bin, 0x230, 4), (Bytes{0x44, 0x00, 0x00, 0xFF}));
    EXPECT_EQ(bin[28], 3);  // equation 2 is the first empty one

    const std::vector<uint8_t> dataA = CompileFixture::VoiceDataOf(a), dataB = CompileFixture::VoiceDataOf(b);
    EXPECT_EQ(Slice(bin, 0x17FF0, dataA.size()), dataA);
    EXPECT_EQ(Slice(bin, 0x17FF0 + dataA.size(), dataB.size()), dataB);
    const uint32_t silenceStart = 0x17FF0 + uint32_t(dataA.size() + dataB.size());
    const auto banked = BankedAddress(silenceStart);
    EXPECT_EQ(Slice(bin, 0x17000, 2), (Bytes{0x50, 0x7F}));
    EXPECT_EQ(Slice(bin, 0x17008, 2), (Bytes{0x90, 0x7F}));
    EXPECT_EQ(Slice(bin, 0x17010, 5), (Bytes{0x90, 0x7F, banked[0], banked[1], banked[2]}));

    for (const std::string& file : {a.path + ".rbf", a.path + ".rbf.h", b.path + ".rbf", b.path + ".rbf.h"})
        EXPECT_FALSE(exists(file)) << file;
}

TEST(Compile, ExternalWindow)
{
    CompileFixture f;
    f.content.options.externalMode = 1;
    f.content.options.controlMode = kKeyMode;
    f.content.equation.equationNumber[9] = 77;

    EXPECT_EQ(Texts(f.compile().messages), std::vector<std::string>{"Pls load a external bin file!"});
    EXPECT_FALSE(exists(f.binPath()));  // a stopped compile leaves the BIN as it was: none

    std::vector<uint8_t> external(65534);
    for (size_t i = 0; i < external.size(); ++i)
        external[i] = uint8_t(i * 7 + 1);
    f.content.options.externalBinPath = f.dir.file("ext.bin");
    WriteBytes(f.content.options.externalBinPath, external);
    EXPECT_EQ(Texts(f.compile().messages), std::vector<std::string>{"External bin too small!"});

    external.push_back(0x5A);  // 65535 bytes: the window's last byte is missing
    WriteBytes(f.content.options.externalBinPath, external);
    ASSERT_TRUE(f.compile().saved);
    std::vector<uint8_t> bin = ReadBytes(f.binPath());
    EXPECT_EQ(Slice(bin, 0x8000, 0x7FFF), Slice(external, 0x8000, 0x7FFF));
    EXPECT_EQ(bin[0xFFFF], 0xFF);

    external.resize(0x12000, 0x33);
    WriteBytes(f.content.options.externalBinPath, external);
    ASSERT_TRUE(f.compile().saved);
    bin = ReadBytes(f.binPath());
    EXPECT_EQ(Slice(bin, 0x8000, 0x8000), Slice(external, 0x8000, 0x8000));
    // The key table, two bytes later, runs into the equation count, which
    // wins over key 10's function.
    EXPECT_EQ(bin[28], 1);
    EXPECT_EQ(bin[29], 77);  // key 10's equation number
    EXPECT_EQ(bin[30], 6);

    // Without external mode the path is ignored and the window stays empty.
    f.content.options.externalMode = 0;
    ASSERT_TRUE(f.compile().saved);
    bin = ReadBytes(f.binPath());
    EXPECT_EQ(Slice(bin, 0x8000, 0x8000), std::vector<uint8_t>(0x8000, 0x00));
}

TEST(Compile, ConverterFailuresLeaveNoFiles)
{
    CompileFixture f;
    CSound bad = f.makeSound("bad.wav", 8000, 100);
    WriteBytes(bad.path, {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v'});
    f.content.library.append(bad);
    // A stale voice-data file from an earlier run is never taken for new.
    WriteBytes(bad.path + ".rbf", std::vector<uint8_t>(100, 0xAB));
    const CompileResult r = f.compile();
    EXPECT_FALSE(r.saved);
    EXPECT_EQ(r.messages, (std::vector<UserMessage>{{"Fail!", Caption::ApplicationName, MessageIcon::None},
                                                    {"Cannot convert " + bad.path + ": not a WAV file",
                                                     Caption::ApplicationName, MessageIcon::Error}}));
    EXPECT_FALSE(exists(bad.path + ".rbf"));
}

// The converter's files of a sound already copied are renamed for a later
// sound's conversion: each sound must still get its own data, and neither a
// finished nor a stopped compile leaves any of them behind.
TEST(Compile, PassedOnConverterFilesNeverMixSounds)
{
    CompileFixture f;
    // Lengths that differ, so that data taken for another sound would show.
    for (size_t i = 0; i < 14; ++i)
        f.content.library.append(f.makeSound("s" + std::to_string(i) + ".wav", 8000, 40 + 97 * ((i * 5) % 14)));
    const auto onlyWavsLeft = [&] {
        for (const QString& name : QDir(QString::fromStdString(SoundFolderFor(f.projectFile))).entryList(QDir::Files))
            if (!name.endsWith(".wav"))
                return false;
        return true;
    };
    ASSERT_TRUE(f.compile().saved);
    const std::vector<uint8_t> bin = ReadBytes(f.binPath());
    size_t at = 0x17FF0;
    for (int k = 0; k < f.content.library.count(); ++k) {
        const std::vector<uint8_t> data = CompileFixture::VoiceDataOf(*f.content.library.at(k));
        EXPECT_EQ(Slice(bin, at, data.size()), data) << "sound " << k;
        at += data.size();
    }
    EXPECT_TRUE(onlyWavsLeft());

    // A failure late in the library stops the compile with files handed on
    // and files converted ahead on disk.
    const std::string bad = f.content.library.at(11)->path;
    WriteBytes(bad, {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v'});
    const CompileResult r = f.compile();
    EXPECT_FALSE(r.saved);
    EXPECT_EQ(Texts(r.messages).back(), "Cannot convert " + bad + ": not a WAV file");
    EXPECT_TRUE(onlyWavsLeft());
}

// A dropped-in converter that reports success without writing: the file
// handed on to it from an earlier sound must not pass for its output.
TEST(Compile, ConverterFilesHandedOnAreNeverTakenForUnwrittenOutput)
{
    CompileFixture f;
    const QString converter = QString::fromStdString(f.ownProgramFolder() + "ChimeConverter.so");
    QFile::remove(converter);
    ASSERT_TRUE(QFile::copy(KR_SILENT_CONVERTER, converter));
    for (int i = 0; i < 14; ++i)
        f.content.library.append(f.makeSound("s" + std::to_string(i) + (i == 12 ? "silent.wav" : ".wav"), 8000, 65));
    const CompileResult r = f.compile();
    EXPECT_FALSE(r.saved);
    ASSERT_FALSE(r.messages.empty());
    EXPECT_EQ(r.messages.back().text.rfind("Cannot open " + f.content.library.at(12)->path + ".rbf", 0), 0u)
        << r.messages.back().text;
}

// The program folder may be read-only or shared by compiles running at once:
// nothing is written there, even where a converted silence of an earlier
// version could not be replaced. Each of its files that is missing or
// damaged stops the compile with a message naming it.
TEST(Compile, ProgramFolderFilesAreOnlyReadAndChecked)
{
    CompileFixture f;
    const std::string folder = f.ownProgramFolder();
    const QString qFolder = QString::fromStdString(folder);
    const std::string code = folder + "q31825_A3_Ext_Spi_Code.bin", silence = folder + "silence10ms.wav";
    QDir().mkpath(QString::fromStdString(silence + ".rbf"));
    const QStringList before = QDir(qFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    ASSERT_TRUE(f.compile().saved);
    EXPECT_EQ(QDir(qFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);

    const auto refusal = [&] {
        const CompileResult r = f.compile();
        EXPECT_FALSE(r.saved);
        return r.messages.empty() ? std::string() : r.messages[0].text + "|" + r.messages.back().text;
    };
    const std::vector<uint8_t> codeBytes = ReadBytes(code);
    QFile::remove(QString::fromStdString(code));
    EXPECT_NE(refusal().find(code), std::string::npos);
    WriteBytes(code, std::vector<uint8_t>(255, 0x11));
    EXPECT_NE(refusal().find("shorter than 256"), std::string::npos);
    WriteBytes(code, codeBytes);

    WriteTestWav(silence, 8000, 1, 16, 0.02, 0);  // 20 ms: three blocks
    const std::string wrongSilence = refusal();
    EXPECT_NE(wrongSilence.find(silence), std::string::npos);
    EXPECT_NE(wrongSilence.find("152 bytes"), std::string::npos);

    // A full library needs no silence slot, so the silence's size is moot and
    // no silence is written after the last sound.
    for (int i = 0; i < 510; ++i)
        f.content.library.append(f.makeSound("s" + std::to_string(i) + ".wav", 8000, 65));
    ASSERT_TRUE(f.compile().saved);
    const std::vector<uint8_t> bin = ReadBytes(f.binPath());
    // Each sound is one block: 68 bytes, the same size as a silence slot.
    const size_t end = 0x17FF0 + 510 * 68;
    EXPECT_EQ(Slice(bin, end - 68, 68), CompileFixture::VoiceDataOf(*f.content.library.at(509)));
    EXPECT_EQ(bin[end], 0xFF);

    QFile::remove(QString::fromStdString(folder + "ChimeConverter.so"));
    EXPECT_EQ(refusal().substr(0, 34), "Load ChimeConverter Library Fail!|");

    // A project folder that cannot take the BIN.
    f.projectFile = f.dir.file("no/such/folder/P.winproj");
    f.content.library = CSoundList();
    f.programFolder = ProgramDir();
    EXPECT_NE(refusal().find(f.binPath()), std::string::npos);
}
