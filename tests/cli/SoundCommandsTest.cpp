#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "audio/AudioInfo.h"
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
    EXPECT_EQ(o["channels"].toInt(), 2);
    EXPECT_NEAR(o["duration"].toDouble(), 1.5, 1e-4);
    EXPECT_EQ(o["aux"].toDouble(), 22050.0 * 2 * 16);

    ASSERT_EQ(RunProgram("kr615b", {"info", wav}, &out, &err), 0);
    EXPECT_NE(out.find("steps down to 22000 Hz"), std::string::npos) << out;

    const std::string converted = dir.file("out.wav");
    ASSERT_EQ(RunProgram("kr615b", {"convert", wav, converted, "12000"}, &out, &err), 0) << err;
    EXPECT_EQ(out, "MP3/WMA to WAV Convert OK!\n");
    EXPECT_EQ(ReadAudioInfo(converted).sampleRate, 12000);
}
