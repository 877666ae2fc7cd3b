#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "app/LibraryRemoval.h"
#include "common/TestFiles.h"
#include "support/Paths.h"

namespace {

bool Exists(const std::string& path)
{
    return QFileInfo::exists(ToQtPath(path));
}

class LibraryRemovalTest : public ::testing::Test {
protected:
    LibraryRemovalTest() { QDir().mkpath(ToQtPath(project.soundFolderPath = dir.file("p.winproj.sound"))); }

    // A library entry; its file is written unless `withFile` is false.
    CSound Add(const std::string& name, bool withFile = true)
    {
        CSound s;
        s.kind = CSound::kSoundFile;
        s.name = name;
        s.path = JoinPath(project.soundFolderPath, name);
        if (withFile)
            WriteBytes(s.path, {1, 2, 3});
        project.content.library.append(s);
        return s;
    }

    ScratchDir dir;
    Project project;
};

// The views and messages of Delete are followed through the session.
TEST_F(LibraryRemovalTest, DeleteTakesEveryCopyAndReportsAFileThatCannotGo)
{
    const CSound a = Add("a.wav");
    CSound caseTwin = a;  // a name that differs only in case is another file
    caseTwin.path = JoinPath(project.soundFolderPath, "A.wav");
    for (const CSound& s : {a, CSound::Silence(10), a, caseTwin})
        project.content.equations[219].append(s);
    EXPECT_TRUE(DeleteLibraryEntry(project, 0).messages.empty());
    EXPECT_EQ(project.content.equations[219].count(), 2);
    EXPECT_FALSE(Exists(a.path));
    EXPECT_FALSE(DeleteLibraryEntry(project, 0).changed);  // no such row

    // A folder where the sound's file should be is never deleted; a file
    // that is already gone is no failure.
    const CSound folder = Add("folder.wav", false);
    QDir().mkpath(ToQtPath(folder.path));
    Add("gone.wav", false);
    const RemovalResult r = DeleteLibraryEntry(project, 0);
    EXPECT_TRUE(r.changed);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text.rfind("Cannot delete " + folder.path + ": ", 0), 0u);
    EXPECT_TRUE(Exists(folder.path));
    EXPECT_TRUE(DeleteLibraryEntry(project, 0).messages.empty());
    EXPECT_TRUE(project.content.library.empty());
}

TEST_F(LibraryRemovalTest, NamesThatLeaveTheSoundFolderNeverTouchAFileOnDeleteOrEmpty)
{
    // Files a hostile or damaged project file could aim at.
    WriteBytes(dir.file("outside.wav"), {9});
    WriteBytes(dir.file("p.winproj"), {9});
    for (const std::string name : {"../outside.wav", "..", ".", "", "sub/../../p.winproj", "..\\outside.wav"}) {
        SCOPED_TRACE(name);
        Add(name, false);
        project.content.equations[4].append(*project.content.library.at(0));
        const RemovalResult r = DeleteLibraryEntry(project, 0);
        EXPECT_TRUE(r.changed);
        EXPECT_TRUE(project.content.library.empty() && project.content.equations[4].empty());
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].text,
                  "\"" + name + "\" names no file inside the sound folder, so no file was deleted for it.");
    }
    EXPECT_TRUE(Exists(dir.file("outside.wav")) && Exists(dir.file("p.winproj")));
    EXPECT_TRUE(Exists(project.soundFolderPath));

    // Empty names them all in one message and still deletes the rest.
    const CSound a = Add("a.wav");
    Add("../outside.wav", false);
    Add("x/y.wav", false);
    const RemovalResult r = EmptyLibrary(project);
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(project.content.library.empty());
    EXPECT_FALSE(Exists(a.path));
    EXPECT_TRUE(Exists(dir.file("outside.wav")));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "\"../outside.wav\", \"x/y.wav\" name no file inside the sound folder, so no file "
                                  "was deleted for them.");
}

TEST_F(LibraryRemovalTest, EmptyStopsAtTheFirstFileItCannotDelete)
{
    const CSound a = Add("a.wav");
    Add("missing.wav", false);  // already gone: no reason to stop
    const CSound folder = Add("folder.wav", false);
    QDir().mkpath(ToQtPath(folder.path));
    const CSound c = Add("c.wav");
    project.content.equations[0].append(c);
    const ProjectContent before = project.content;

    const RemovalResult r = EmptyLibrary(project);
    EXPECT_FALSE(r.changed);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text.rfind("Cannot delete " + folder.path + ": ", 0), 0u);
    EXPECT_EQ(project.content, before);
    EXPECT_FALSE(Exists(a.path));
    EXPECT_TRUE(Exists(c.path));
}

}  // namespace
