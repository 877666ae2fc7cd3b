// kr615b manifest: the C header that gives firmware the project's play
// numbers.

#include <iostream>

#include "cli/Command.h"
#include "compiler/FirmwareManifest.h"
#include "model/Project.h"
#include "support/Paths.h"
#include "support/SafeWrite.h"

static int RunManifest(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "manifest",
    "PROJECTFILE [--out FILE]",
    "write the firmware's C header of sound and equation numbers",
    "Prints (or writes to FILE) a C header for the firmware that drives the\n"
    "chip: #define KR_SOUND_<NAME> <index> for every library sound and\n"
    "#define KR_EQ_<NAME> <number> for every equation that is not empty.\n"
    "NAME is the sound's file name without its extension, upper-cased, with\n"
    "every character other than A-Z and 0-9 turned into _; an equation is\n"
    "named after its first sound, or SILENCE_<ms>MS when it starts with a\n"
    "silence. A name already taken gets _2, _3, ... in order of appearance.\n"
    "Comments list each equation's entries and the keys of the control mode.\n"
    "The header compiles as C99 with -Wall -Wextra -Werror -pedantic.\n",
    RunManifest,
});

static int RunManifest(const std::vector<std::string>& args)
{
    std::string projectFile;
    std::string outFile;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out") {
            if (i + 1 >= args.size())
                return UsageError("manifest", "--out takes a file");
            outFile = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return UsageError("manifest", "unknown option '" + args[i] + "'");
        } else if (projectFile.empty()) {
            projectFile = args[i];
        } else {
            return UsageError("manifest", "expected one project file");
        }
    }
    if (projectFile.empty())
        return UsageError("manifest", "expected a project file");
    ProjectContent content;
    if (auto error = ReadProjectFile(projectFile, content))
        return Failure("manifest", *error);
    const std::string header = FirmwareManifest(content, FileNamePart(projectFile));
    if (outFile.empty()) {
        std::cout << header;
        return kExitOk;
    }
    if (IsSameFile(outFile, projectFile))
        return Failure("manifest", "the header would replace the project file " + projectFile);
    if (auto error = WriteFileSafely(outFile, header.data(), header.size()))
        return Failure("manifest", *error);
    std::cout << "Wrote " << outFile << "\n";
    return kExitOk;
}
