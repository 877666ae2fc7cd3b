#include <gtest/gtest.h>

#include "app/LoadSelection.h"

TEST(LoadSelection, TheSelectionMustFitTheBufferAndTheLibrary)
{
    // One file needs its path and a terminator.
    EXPECT_TRUE(SelectionFitsLoad({std::string(kLoadSelectionBufferSize - 1, 'a')}));
    EXPECT_FALSE(SelectionFitsLoad({std::string(kLoadSelectionBufferSize, 'a')}));
    EXPECT_TRUE(SelectionFitsLoad({}));

    // Several files: the folder and a terminator, each name and a terminator,
    // one final terminator.
    const std::string folder = "/home/u/sounds";
    std::vector<std::string> paths(400, folder + "/1000.wav");  // 8 characters each
    const size_t used = folder.size() + 1 + 400 * 9 + 1;
    paths.push_back(folder + "/" + std::string(kLoadSelectionBufferSize - used - 1, 'x'));
    EXPECT_TRUE(SelectionFitsLoad(paths));
    paths.back() += "x";
    EXPECT_FALSE(SelectionFitsLoad(paths));

    // No more files than the library holds.
    EXPECT_TRUE(SelectionFitsLoad(std::vector<std::string>(510, "/s/0.wav")));
    EXPECT_FALSE(SelectionFitsLoad(std::vector<std::string>(511, "/s/0.wav")));
}

// The plain names and an upper-case extension are followed through the session's Load.
TEST(LoadSelection, TableSplitsNameAndExtension)
{
    const std::vector<std::string> paths = {"/a/b/three.tar.mp3", "/a/b/noext", "/a/b/.wav", "/a.b/c"};
    std::vector<std::string> rows;
    for (const LoadFile& file : LoadFileTable(paths))
        rows.push_back(file.sourcePath + " " + file.name + " " + file.extension);
    EXPECT_EQ(rows, (std::vector<std::string>{"/a/b/three.tar.mp3 three.tar.mp3 mp3", "/a/b/noext noext ",
                                              "/a/b/.wav .wav wav", "/a.b/c c "}));
}
