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
    LibraryRemovalTest()
    {
        project.projectFilePath = dir.file("p.winproj");
        project.soundFolderPath = dir.file("p.winproj.sound");
        QDir().mkpath(ToQtPath(project.soundFolderPath));
    }

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

TEST_F(LibraryRemovalTest, DeleteTakesTheEntryItsCopiesAndItsFile)
{
    const CSound a = Add("a.wav");
    const CSound b = Add("b.wav");
    auto& eq = project.content.equations;
    eq[0].append(a);
    eq[0].append(a);
    eq[0].append(CSound::Silence(10));
    eq[0].append(a);
    eq[219].append(a);
    eq[219].append(b);
    CSound caseTwin = a;  // a name that differs only in case is another file
    caseTwin.path = JoinPath(project.soundFolderPath, "A.wav");
    eq[219].append(caseTwin);

    const RemovalResult r = DeleteLibraryEntry(project, 0);
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_EQ(project.content.library.count(), 1);
    EXPECT_EQ(project.content.library.at(0)->name, "b.wav");
    EXPECT_EQ(eq[0].count(), 1);
    EXPECT_EQ(eq[219].count(), 2);
    EXPECT_FALSE(Exists(a.path));
    EXPECT_TRUE(Exists(b.path));

    // Without an entry nothing changes.
    for (int row : {-1, 1}) {
        const RemovalResult none = DeleteLibraryEntry(project, row);
        EXPECT_FALSE(none.changed) << row;
        EXPECT_TRUE(none.messages.empty()) << row;
    }
    EXPECT_EQ(project.content.library.count(), 1);
}

TEST_F(LibraryRemovalTest, AFileThatCannotBeDeletedIsReportedAndTheEntryStillGoes)
{
    // A folder where the sound's file should be is never deleted.
    const CSound folder = Add("folder.wav", false);
    QDir().mkpath(ToQtPath(folder.path));
    const RemovalResult r = DeleteLibraryEntry(project, 0);
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(project.content.library.empty());
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text.rfind("Cannot delete " + folder.path + ": ", 0), 0u);
    EXPECT_TRUE(Exists(folder.path));

    // A file that is already gone is no failure.
    Add("gone.wav", false);
    EXPECT_TRUE(DeleteLibraryEntry(project, 0).messages.empty());
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
        EXPECT_TRUE(project.content.library.empty());
        EXPECT_TRUE(project.content.equations[4].empty());
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].text,
                  "\"" + name + "\" names no file inside the sound folder, so no file was deleted for it.");
    }
    EXPECT_TRUE(Exists(dir.file("outside.wav")));
    EXPECT_TRUE(Exists(dir.file("p.winproj")));
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
