#pragma once
// A session on the scripted window port, with a scratch folder for its
// projects and the build's program folder for the compile.

#include <gtest/gtest.h>

#include "app/FakeWindowPort.h"
#include "app/Session.h"
#include "common/TestFiles.h"

class ProjectSessionTest : public ::testing::Test {
protected:
    // Makes NAME.winproj in the scratch folder through New; its project file.
    std::string NewProject(const std::string& name = "X")
    {
        port.files.push_back(dir.file(name + ".winproj"));
        session.New();
        return dir.file(name + ".winproj/" + name + ".winproj");
    }

    // Writes `content` as the project file `name` and opens it.
    std::string OpenProject(const ProjectContent& content, const std::string& name = "O.winproj")
    {
        const std::string path = dir.file(name);
        EXPECT_FALSE(WriteProjectFile(path, content));
        port.files.push_back(path);
        session.Open();
        return path;
    }

    ScratchDir dir;
    FakeWindowPort port;
    Session session{port, ProgramDir()};
};
