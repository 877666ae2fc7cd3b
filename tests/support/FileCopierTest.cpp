#include <filesystem>

#include <gtest/gtest.h>

#include "common/TestFiles.h"
#include "support/FileCopier.h"

namespace fs = std::filesystem;

namespace {

void Write(const std::string& path, const std::string& text) { WriteBytes(path, {text.begin(), text.end()}); }
std::string Read(const std::string& path)
{
    const std::vector<uint8_t> b = ReadBytes(path);
    return {b.begin(), b.end()};
}

}  // namespace

// Unusual names still give a name and never run off the end.
TEST(FileCopier, NextCopyNames)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/s/x.wav", "/s/Copy of x.wav"},
        {"/s/Copy of x.wav", "/s/Copy (1) of x.wav"},
        {"/s/Copy (41) of x.y.wav", "/s/Copy (42) of x.y.wav"},
        {"x", "Copy of x"},
        {"/a.d/x", "/a.d/Copy of x"},
        {"/s/Copy (x.wav", "/s/Copy of Copy (x.wav"},
        {"/s/Copy x.wav", "/s/Copy (1) of .wav"},
        {"/s/Copy )(.wav", "/s/Copy (1) of .wav"},
        {"/s/Copy (99999999999999999999) of x.wav", "/s/Copy (1) of x.wav"},
        {"/s/Copy (2147483647) of x.wav", "/s/Copy (2147483648) of x.wav"},
    };
    for (const auto& [path, next] : cases)
        EXPECT_EQ(CFileCopier::NextCopyName(path), next) << path;
}

TEST(FileCopier, FileIntoFolderNeverReplaces)
{
    ScratchDir dir;
    fs::create_directory(dir.file("sounds"));
    Write(dir.file("x.wav"), "new");
    Write(dir.file("sounds/x.wav"), "old");
    Write(dir.file("sounds/Copy of x.wav"), "older");

    CFileCopier copier;
    ASSERT_TRUE(copier.Copy(dir.file("x.wav"), dir.file("sounds"))) << copier.errorText;
    EXPECT_EQ(Read(dir.file("sounds/Copy (1) of x.wav")), "new");
    // File onto file: the destination name is the one taken.
    ASSERT_TRUE(copier.Copy(dir.file("x.wav"), dir.file("sounds/x.wav")));
    EXPECT_EQ(Read(dir.file("sounds/Copy (2) of x.wav")), "new");
    EXPECT_EQ(Read(dir.file("sounds/x.wav")), "old");
    EXPECT_EQ(Read(dir.file("sounds/Copy of x.wav")), "older");
}

TEST(FileCopier, RefusalsNameTheirReason)
{
    ScratchDir dir;
    Write(dir.file("x.wav"), "x");
    fs::create_directory(dir.file("folder"));
    CFileCopier copier;

    EXPECT_FALSE(copier.Copy(dir.file("x.wav"), dir.file("nowhere")));
    EXPECT_EQ(std::pair(copier.errorText, copier.errorCode), std::pair(dir.file("nowhere") + " not found", 0));
    EXPECT_FALSE(copier.Copy(dir.file("folder"), dir.file("x.wav")));
    EXPECT_EQ(std::pair(copier.errorText, copier.errorCode), std::pair(std::string("Wrong operation"), 0));

    // A path whose kind cannot be told is a failure, not a silent success.
    const std::string tooLong = dir.file(std::string(300, 'n'));
    EXPECT_FALSE(copier.Copy(dir.file("x.wav"), tooLong));
    EXPECT_EQ(copier.errorCode, ENAMETOOLONG);
    EXPECT_NE(copier.errorText.find("File name too long"), std::string::npos) << copier.errorText;

    // The platform's own failure: the folder to create is taken by a file.
    fs::create_directory(dir.file("src"));
    fs::create_directory(dir.file("dst"));
    Write(dir.file("dst/src"), "a file");
    EXPECT_FALSE(copier.Copy(dir.file("src"), dir.file("dst")));
    EXPECT_EQ(copier.errorCode, EEXIST);
    EXPECT_NE(copier.errorText.find(dir.file("dst/src")), std::string::npos) << copier.errorText;
}

// Trees merge into what is there, and a copy into the folder's own subfolder
// stops one level down.
TEST(FileCopier, FolderTrees)
{
    ScratchDir dir;
    fs::create_directories(dir.file("a/sub/deeper"));
    Write(dir.file("a/one.wav"), "1");
    Write(dir.file("a/sub/two.wav"), "2");
    Write(dir.file("a/sub/deeper/three.wav"), "3");
    fs::create_directories(dir.file("out/a"));
    Write(dir.file("out/a/one.wav"), "kept");

    CFileCopier copier;
    ASSERT_TRUE(copier.Copy(dir.file("a"), dir.file("out"))) << copier.errorText;
    EXPECT_EQ(Read(dir.file("out/a/one.wav")), "kept");
    EXPECT_EQ(Read(dir.file("out/a/Copy of one.wav")), "1");
    EXPECT_EQ(Read(dir.file("out/a/sub/deeper/three.wav")), "3");

    // Into the folder that holds it: nothing to do.
    const auto before = std::distance(fs::recursive_directory_iterator(dir.path()), {});
    EXPECT_TRUE(copier.Copy(dir.file("a") + "/", dir.path() + "/"));
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), before);

    ASSERT_TRUE(copier.Copy(dir.file("a"), dir.file("a/sub"))) << copier.errorText;
    EXPECT_EQ(Read(dir.file("a/sub/a/one.wav")), "1");
    EXPECT_EQ(Read(dir.file("a/sub/a/sub/two.wav")), "2");
    EXPECT_FALSE(fs::exists(dir.file("a/sub/a/sub/a")));
}
