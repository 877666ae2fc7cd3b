#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "common/TestFiles.h"
#include "common/TestSound.h"

TEST(CliInfoConvert, InfoJsonThenConvert)
{
    ScratchDir dir;
    const std::string wav = dir.file("tone.wav");
    WriteTestWav(wav, 22050, 2, 16, 1.5);
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"info", "--json", wav}, &out, &err), 0) << err;
    QJsonParseError parse;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(out), &parse).object();
    ASSERT_EQ(parse.error, QJsonParseError::NoError) << out;
    EXPECT_EQ(o["sampleRate"].toDouble(), 22050);
    EXPECT_EQ(o["bits"].toInt(), 16);
    EXPECT_EQ(o["channels"].toInt(), 2);
    EXPECT_NEAR(o["duration"].toDouble(), 1.5, 1e-4);
    EXPECT_EQ(o["aux"].toDouble(), 22050.0 * 2 * 16);

    ASSERT_EQ(RunProgram("kr615b", {"info", wav}, &out, &err), 0);
    EXPECT_NE(out.find("steps down to 22000 Hz"), std::string::npos) << out;

    const std::string converted = dir.file("out.wav");
    ASSERT_EQ(RunProgram("kr615b", {"convert", wav, converted, "12000"}, &out, &err), 0) << err;
    EXPECT_EQ(out, "MP3/WMA to WAV Convert OK!\n");
    ASSERT_EQ(RunProgram("kr615b", {"info", "--json", converted}, &out, &err), 0) << err;
    const QJsonObject c = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    EXPECT_EQ(c["sampleRate"].toDouble(), 12000);
    EXPECT_EQ(c["channels"].toInt(), 1);
    EXPECT_EQ(c["bits"].toInt(), 16);
}

TEST(CliInfoConvert, RefusalsAndUsage)
{
    ScratchDir dir;
    const std::string wav = dir.file("tone.wav");
    WriteTestWav(wav, 8000, 1, 16, 0.2);
    std::string out, err;
    for (const char* rate : {"11025", "3000", "24000", "8000x", "abc", ""}) {
        SCOPED_TRACE(rate);
        EXPECT_EQ(RunProgram("kr615b", {"convert", wav, dir.file("o.wav"), rate}, &out, &err), 1);
        EXPECT_NE(err.find("is not one of 4000"), std::string::npos) << err;
    }
    EXPECT_EQ(RunProgram("kr615b", {"convert", dir.file("missing.mp3"), dir.file("o.wav"), "8000"}, &out, &err), 1);
    EXPECT_NE(err.find("Cannot read " + dir.file("missing.mp3")), std::string::npos) << err;
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("o.wav"))));

    EXPECT_EQ(RunProgram("kr615b", {"info", dir.file("missing.wav")}, &out, &err), 1);
    EXPECT_EQ(RunProgram("kr615b", {"info"}, &out, &err), 2);
    EXPECT_EQ(RunProgram("kr615b", {"info", "--bogus", wav}, &out, &err), 2);
    EXPECT_EQ(RunProgram("kr615b", {"convert", wav, dir.file("o.wav")}, &out, &err), 2);
    EXPECT_EQ(RunProgram("kr615b", {"convert", "--help"}, &out, &err), 0);
    EXPECT_NE(out.find("usage: kr615b convert"), std::string::npos);
}
