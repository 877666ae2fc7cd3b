// kr615b compile: writes a project's BIN as the window's Compile command does.

#include <iostream>

#include "cli/Command.h"
#include "compiler/Compile.h"
#include "compiler/FlashUsage.h"
#include "model/Project.h"
#include "support/Paths.h"
#include "support/ProjectLock.h"

static int RunCompile(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "compile",
    "PROJECTFILE [--flash 2M|4M|8M|16M|32M|64M]",
    "write a project's flash image (BIN)",
    "Opens the project as the desktop program does (sound paths are rebuilt\n"
    "from the project file's location), converts every library sound with the\n"
    "voice converter of the program folder and writes PROJECTFILE.bin for the\n"
    "selected flash size (default 32M). Prints the text of each message the\n"
    "compile shows, one per line, on stdout. The project file is not written.\n"
    "Exit status 0 when the BIN was saved, else 1.\n",
    RunCompile,
});

static int RunCompile(const std::vector<std::string>& args)
{
    std::string path;
    int megabits = *FlashMegabitsAt(kDefaultFlashSizeIndex);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--flash") {
            if (i + 1 == args.size())
                return UsageError("compile", "--flash needs a size");
            const std::optional<int> size = FlashMegabitsNamed(args[++i]);
            if (!size)
                return UsageError("compile", "unknown flash size '" + args[i] + "'");
            megabits = *size;
        } else if (!a.empty() && a[0] == '-') {
            return UsageError("compile", "unknown option '" + a + "'");
        } else if (path.empty()) {
            path = a;
        } else {
            return UsageError("compile", "expected one project file");
        }
    }
    if (path.empty())
        return UsageError("compile", "expected a project file");

    // Held while the BIN is written: two compiles at once would write one file.
    std::unique_ptr<ProjectLock> lock;
    if (FileError refusal = ProjectLock::Take(path, lock))
        return Failure("compile", *refusal);
    Project project;
    if (FileError error = OpenProjectFile(path, project))
        return Failure("compile", *error);
    const ProjectContent& c = project.content;
    const CompileResult result = CompileBin({c.options, c.key, c.equation, c.library, c.equations, megabits,
                                             project.projectFilePath, ProgramFolder()});
    for (const UserMessage& m : result.messages)
        std::cout << m.text << "\n";
    return result.saved ? kExitOk : kExitFailure;
}
