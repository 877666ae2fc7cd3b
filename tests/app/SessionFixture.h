#pragma once
// A session on a new project P.winproj in a scratch folder, driven through the
// scripted port, with the build's program folder for the compile. Tests shape
// the project's content with Reopen, or make and open projects of their own.

#include <functional>

#include <QFileInfo>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/FakeWindowPort.h"
#include "app/Session.h"
#include "common/TestFiles.h"
#include "common/TestRecords.h"
#include "common/TestSound.h"
#include "support/Paths.h"

using Strings = std::vector<std::string>;
using testing::ElementsAre;
using testing::HasSubstr;

inline bool Exists(const std::string& path) { return QFileInfo::exists(ToQtPath(path)); }

class SessionFixture : public testing::Test {
protected:
    SessionFixture()
    {
        Project project;
        if (CreateNewProject(dir_.path(), "P.winproj", 0, project))
            throw std::runtime_error("cannot create the test project");
        session_.Adopt(std::move(project));
        port_.forgetLog();
    }

    // The open project again, changed by `edit`, with a fresh log.
    void Reopen(const std::function<void(ProjectContent&)>& edit)
    {
        Project project = session_.project();
        edit(project.content);
        session_.Adopt(std::move(project));
        port_.forgetLog();
    }

    // Makes NAME.winproj in the scratch folder through New; its project file.
    std::string NewProject(const std::string& name = "X")
    {
        port_.files.push_back(dir_.file(name + ".winproj"));
        session_.New();
        return dir_.file(name + ".winproj/" + name + ".winproj");
    }

    const ProjectContent& content() const { return session_.project().content; }
    std::string soundFile(const std::string& name) const { return JoinPath(session_.project().soundFolderPath, name); }

    // A library entry; its file in the sound folder is written when asked.
    CSound Entry(const std::string& name, bool writeFile = false) const
    {
        if (writeFile)
            WriteTestWav(soundFile(name), 8000, 1, 16, 0.3);
        return {.kind = CSound::kSoundFile, .path = soundFile(name), .name = name};
    }

    // A short WAV outside the project, as the user chooses it.
    std::string Wav(const std::string& name, int rate = 8000) const
    {
        WriteTestWav(dir_.file(name), rate, 1, 16, 0.05);
        return dir_.file(name);
    }

    ScratchDir dir_;
    FakeWindowPort port_;
    Session session_{port_, ProgramDir()};
};
