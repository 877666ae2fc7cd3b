#include <gtest/gtest.h>

#include "common/TestFiles.h"
#include "common/TestSound.h"
#include "model/Project.h"

TEST(CliLoad, AddsTheFilesUpToTheFirstRefusalAndSaves)
{
    ScratchDir dir;
    std::string out, err;
    ASSERT_EQ(RunProgram("kr615b", {"new", dir.file("P.winproj")}, &out, &err), 0) << err;
    const std::string projectFile = dir.file("P.winproj/P.winproj");
    for (const char* name : {"a.wav", "b.wav"})
        WriteTestWav(dir.file(name), 8000, 1, 16, 0.05);
    WriteTestWav(dir.file("c.wav"), 44100, 1, 16, 0.05);

    ASSERT_EQ(RunProgram("kr615b", {"load", projectFile, dir.file("a.wav")}, &out, &err), 0) << err;
    EXPECT_EQ(out, "");
    EXPECT_EQ(RunProgram("kr615b", {"load", projectFile, dir.file("b.wav"), dir.file("c.wav"), dir.file("a.wav")},
                         &out, &err),
              1);
    EXPECT_EQ(out, "Incompatible sampling rate, pls change it in main menu before loading into the project!\n");

    Project project;
    ASSERT_EQ(OpenProjectFile(projectFile, project), std::nullopt);
    ASSERT_EQ(project.content.library.count(), 2);
    EXPECT_EQ(project.content.library.at(1)->name, "b.wav");
    EXPECT_EQ(ReadBytes(dir.file("P.winproj/P.winproj.sound/b.wav")), ReadBytes(dir.file("b.wav")));
}
