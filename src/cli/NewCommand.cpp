// kr615b new: creates a project as the New command does.

#include <iostream>

#include "cli/Command.h"
#include "model/Project.h"

static int RunNew(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "new",
    "PATH/NAME.winproj",
    "create a new, empty project",
    "Creates the project folder PATH/NAME.winproj, its sound folder\n"
    "PATH/NAME.winproj/NAME.winproj.sound and the project file\n"
    "PATH/NAME.winproj/NAME.winproj with the defaults of a new project, and\n"
    "prints the project file's path. An existing folder is used as it is; an\n"
    "existing project file is never replaced.\n",
    RunNew,
});

static int RunNew(const std::vector<std::string>& args)
{
    if (!HasOperands(args, 1))
        return UsageError("new", "expected one project path");

    std::string folder, fileName;
    if (auto refused = ParseNewProjectPath("new", args[0], folder, fileName))
        return *refused;
    Project project;
    if (FileError error = CreateNewProject(folder, fileName, 0, project))
        return Failure("new", *error);
    std::cout << project.projectFilePath << "\n";
    return kExitOk;
}
