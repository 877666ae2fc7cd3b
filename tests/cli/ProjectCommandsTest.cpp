#include <gtest/gtest.h>

#include "common/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

TEST(CliNewShow, NewThenShowJson)
{
    ScratchDir dir;
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"new", dir.file("Demo.winproj")}, &out, &err), 0) << err;
    const std::string file = dir.file("Demo.winproj/Demo.winproj");
    EXPECT_EQ(out, file + "\n");
    EXPECT_EQ(ReadBytes(file).size(), 1144u);

    // An existing project file is never replaced.
    EXPECT_EQ(RunProgram("kr615b", {"new", dir.file("Demo.winproj")}, &out, &err), 1);
    EXPECT_NE(err.find("already exists"), std::string::npos);

    ASSERT_EQ(RunProgram("kr615b", {"show", "--json", file}, &out, &err), 0) << err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    EXPECT_EQ(o["keyFunction"].toArray().size(), 24);
    EXPECT_EQ(o["equationNumber"].toArray()[23].toInt(), 23);
    EXPECT_EQ(o["options"].toObject()["controlMode"].toInt(), 6);
    EXPECT_EQ(o["options"].toObject()["externalBinPath"].toString(), "");
    EXPECT_EQ(o["equations"].toArray().size(), 220);
    EXPECT_TRUE(o["library"].toArray().isEmpty());
    EXPECT_TRUE(o["backgroundMusicList"].toArray().isEmpty());

    ASSERT_EQ(RunProgram("kr615b", {"show", file}, &out, &err), 0);
    EXPECT_NE(out.find("Key Mode"), std::string::npos);
    EXPECT_NE(out.find("PWM"), std::string::npos);
}

TEST(CliNewShow, ExitStatusesAndHelp)
{
    ScratchDir dir;
    std::string out, err;
    EXPECT_EQ(RunProgram("kr615b", {}, &out, &err), 2);
    EXPECT_EQ(RunProgram("kr615b", {"--help"}, &out, &err), 0);
    EXPECT_NE(out.find("show"), std::string::npos);
    EXPECT_EQ(RunProgram("kr615b", {"show", "--help"}, &out, &err), 0);
    EXPECT_NE(out.find("usage: kr615b show"), std::string::npos);
    EXPECT_EQ(RunProgram("kr615b", {"nosuch"}, &out, &err), 2);
    EXPECT_EQ(RunProgram("kr615b", {"show"}, &out, &err), 2);
    EXPECT_EQ(RunProgram("kr615b", {"show", "--bogus", "x"}, &out, &err), 2);

    WriteBytes(dir.file("bad.winproj"), {0xFF, 0xFF, 0x01});
    EXPECT_EQ(RunProgram("kr615b", {"show", dir.file("bad.winproj")}, &out, &err), 1);
    EXPECT_NE(err.find("not a readable project"), std::string::npos);
    EXPECT_TRUE(out.empty());
}
