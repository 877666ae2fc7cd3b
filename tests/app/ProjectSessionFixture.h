#pragma once
// A session on the scripted window port, with a scratch folder for its
// projects and the build's program folder for the compile.

#include <gtest/gtest.h>

#include <QDir>

#include "app/Session.h"
#include "common/TestFiles.h"
#include "support/Paths.h"
#include "app/FakeWindowPort.h"

class ProjectSessionTest : public ::testing::Test {
protected:
    // Creates the project NAME.winproj in the scratch folder through New and
    // returns its project file.
    std::string NewProject(const std::string& name = "X")
    {
        port.files.push_back(dir.file(name + ".winproj"));
        session.New();
        return dir.file(name + ".winproj/" + name + ".winproj");
    }

    // Writes `content` as the project file NAME.winproj and opens it.
    std::string OpenProject(const ProjectContent& content, const std::string& name = "O.winproj")
    {
        const std::string path = dir.file(name);
        EXPECT_FALSE(WriteProjectFile(path, content));
        port.files.push_back(path);
        session.Open();
        return path;
    }

    static CSound Sound(const std::string& name, int rate)
    {
        CSound s;
        s.kind = CSound::kSoundFile;
        s.name = name;
        s.path = "/elsewhere/" + name;
        s.sampleRate = rate;
        s.lengthMs = 1000;
        return s;
    }

    ScratchDir dir;
    FakeWindowPort port;
    Session session{port, ProgramDir()};
};
