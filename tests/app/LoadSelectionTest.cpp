#include <gtest/gtest.h>

#include "app/LoadSelection.h"

namespace {

TEST(LoadSelection, TheFolderAndEveryNameMustFitTheBuffer)
{
    // Several files: the folder and a terminator, each name and a terminator,
    // one final terminator.
    const std::string folder = "/home/u/sounds";
    std::vector<std::string> paths;
    for (int i = 0; i < 400; ++i)
        paths.push_back(folder + "/" + std::to_string(1000 + i) + ".wav");  // 8 characters each
    const size_t used = folder.size() + 1 + 400 * 9 + 1;
    paths.push_back(folder + "/" + std::string(kLoadSelectionBufferSize - used - 1, 'x'));
    EXPECT_TRUE(SelectionFitsLoad(paths));
    paths.back() += "x";
    EXPECT_FALSE(SelectionFitsLoad(paths));
}

TEST(LoadSelection, OneFileNeedsItsPathAndATerminator)
{
    EXPECT_TRUE(SelectionFitsLoad({std::string(kLoadSelectionBufferSize - 1, 'a')}));
    EXPECT_FALSE(SelectionFitsLoad({std::string(kLoadSelectionBufferSize, 'a')}));
    EXPECT_TRUE(SelectionFitsLoad({}));
}

TEST(LoadSelection, MoreFilesThanTheLibraryHoldsAreRefused)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 510; ++i)
        paths.push_back("/s/" + std::to_string(i) + ".wav");
    EXPECT_TRUE(SelectionFitsLoad(paths));
    paths.push_back("/s/x.wav");
    EXPECT_FALSE(SelectionFitsLoad(paths));
}

TEST(LoadSelection, TableSplitsNameAndExtension)
{
    const std::vector<LoadFile> table =
        LoadFileTable({"/a/b/One.wav", "/a/b/two.WAV", "/a/b/three.tar.mp3", "/a/b/noext", "/a/b/.wav", "/a.b/c"});
    ASSERT_EQ(table.size(), 6u);
    EXPECT_EQ(table[0].name, "One.wav");
    EXPECT_EQ(table[0].sourcePath, "/a/b/One.wav");
    EXPECT_EQ(table[0].extension, "wav");
    EXPECT_EQ(table[1].extension, "WAV");
    EXPECT_EQ(table[2].extension, "mp3");
    EXPECT_EQ(table[3].name, "noext");
    EXPECT_EQ(table[3].extension, "");
    EXPECT_EQ(table[4].extension, "wav");
    EXPECT_EQ(table[5].name, "c");
    EXPECT_EQ(table[5].extension, "");
}

}  // namespace
