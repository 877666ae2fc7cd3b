#include <gtest/gtest.h>

#include <QProcess>

#include "common/TestFiles.h"
#include "common/TestRecords.h"
#include "compiler/FirmwareManifest.h"

// Names that collide once upper-cased and cleaned, start with a digit, are
// not ASCII, or would end a C comment; equations that start with silences.
TEST(FirmwareManifest, AwkwardNamesMakeUniqueMacrosThatCompileAsC99)
{
    ProjectContent c;
    for (const char* name : {"hello.wav", "Hello.WAV", "hello_2.wav", "1st-prompt.wav", "\xE4\xBD\xA0\xE5\xA5\xBD.wav",
                             "a*/b.wav", "noext", "x.y.wav"})
        c.library.append(SoundNamed(name));
    c.equations[0].append(CSound::Silence(100));
    c.equations[0].append(SoundNamed("a*/b.wav"));
    c.equations[3].append(CSound::Silence(100));
    c.equations[7].append(SoundNamed("hello.wav"));
    c.equations[9].append(SoundNamed("Hello.WAV"));
    c.options.controlMode = kMp3;
    c.equation.equationNumber[7] = 7;  // key 8
    const std::string header = FirmwareManifest(c, "odd */ name.winproj");

    for (const char* line :
         {"#define KR_SOUND_HELLO 0\n", "#define KR_SOUND_HELLO_2 1\n", "#define KR_SOUND_HELLO_2_2 2\n",
          "#define KR_SOUND_1ST_PROMPT 3\n", "#define KR_SOUND___ 4\n", "#define KR_SOUND_A__B 5\n",
          "#define KR_SOUND_NOEXT 6\n", "#define KR_SOUND_X_Y 7\n",
          "#define KR_EQ_SILENCE_100MS 0 /* silence 100 ms, a\\x2A/b.wav */\n", "#define KR_EQ_SILENCE_100MS_2 3 ",
          "#define KR_EQ_HELLO 7 ", "#define KR_EQ_HELLO_2 9 ", " *   Key 8: Edge retrigger, equation 7 (KR_EQ_HELLO)\n"})
        EXPECT_NE(header.find(line), std::string::npos) << line << header;

    // Included twice into a program that uses it, as strict C99.
    ScratchDir dir;
    WriteBytes(dir.file("kr.h"), std::vector<uint8_t>(header.begin(), header.end()));
    const std::string main = "#include \"kr.h\"\n#include \"kr.h\"\n"
                             "int main(void) { return KR_SOUND_X_Y + KR_EQ_HELLO_2 - 16; }\n";
    WriteBytes(dir.file("main.c"), std::vector<uint8_t>(main.begin(), main.end()));
    QProcess cc;
    cc.setWorkingDirectory(QString::fromStdString(dir.path()));
    cc.start("cc", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-pedantic", "-c", "main.c"});
    ASSERT_TRUE(cc.waitForFinished(60000));
    EXPECT_EQ(cc.exitCode(), 0) << cc.readAllStandardError().toStdString() << header;
}
