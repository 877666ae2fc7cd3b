// kr615b recover: a project made again from its BIN.

#include <iostream>

#include "cli/Command.h"
#include "compiler/BinRecovery.h"

static int RunRecover(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "recover",
    "BIN PATH/NAME.winproj",
    "make a project again from a BIN",
    "Creates the project PATH/NAME.winproj as 'kr615b new' does, writes the\n"
    "image's sounds into its sound folder as NNN.wav and into its library,\n"
    "rebuilds the 220 equations and sets the options and keys the image\n"
    "stores (the defaults of a new project for the rest). In external mode\n"
    "the external window is kept in PATH/NAME.winproj/NAME.winproj.external.bin,\n"
    "the project's external BIN. Compiled for the same flash size, the\n"
    "project gives the image again up to its voice data. Prints the project\n"
    "file's path; an existing project file is never replaced.\n",
    RunRecover,
});

static int RunRecover(const std::vector<std::string>& args)
{
    if (!HasOperands(args, 2))
        return UsageError("recover", "expected a BIN file and a project path");
    std::string folder, fileName;
    if (auto refused = ParseNewProjectPath("recover", args[1], folder, fileName))
        return *refused;
    BinImage image;
    if (FileError error = ReadBinFile(args[0], image))
        return Failure("recover", *error);
    Project project;
    std::vector<std::string> skipped;
    const FileError error = RecoverProject(image, folder, fileName, project, skipped);
    for (const std::string& line : skipped)
        std::cerr << "kr615b recover: " << line << "\n";
    if (error)
        return Failure("recover", *error);
    std::cout << project.projectFilePath << "\n";
    return kExitOk;
}
