// kr615b load: adds sound files to a project's library as the window's Load
// command does.

#include <QFileInfo>

#include "app/Session.h"
#include "cli/Command.h"
#include "cli/ConsoleWindowPort.h"
#include "model/Project.h"
#include "support/Paths.h"
#include "support/ProjectLock.h"

static int RunLoad(const std::vector<std::string>& args);

static const CommandRegistration registration({
    "load",
    "PROJECTFILE FILE...",
    "add WAV files to a project's sound library",
    "Opens the project as the desktop program does, loads the FILEs into its\n"
    "sound library in the order given, as one selection in the Load dialog,\n"
    "and saves the project. Each file is checked (library size, name already\n"
    "loaded, extension \"wav\", a sampling rate of 4000 to 22000 Hz in steps of\n"
    "2000) and copied into the sound folder; the first file refused ends the\n"
    "load, and the files before it stay loaded. Prints the text of each\n"
    "message the load shows, one per line, on stdout.\n"
    "Exit status 0 when every file was added, else 1.\n",
    RunLoad,
});

// The Load dialog hands over full paths.
static std::string AbsolutePath(const std::string& path)
{
    return FromQtPath(QFileInfo(ToQtPath(path)).absoluteFilePath());
}

static int RunLoad(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (!a.empty() && a[0] == '-')
            return UsageError("load", "unknown option '" + a + "'");
    if (args.size() < 2)
        return UsageError("load", "expected a project file and at least one sound file");

    // Held until the project is saved, so that a window or another command
    // cannot write it in between and lose one of the two changes.
    const std::string projectFile = AbsolutePath(args[0]);
    std::unique_ptr<ProjectLock> lock;
    if (FileError refusal = ProjectLock::Take(projectFile, lock))
        return Failure("load", *refusal);
    Project project;
    if (FileError error = OpenProjectFile(projectFile, project))
        return Failure("load", *error);
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i)
        files.push_back(AbsolutePath(args[i]));

    ConsoleWindowPort port(files);
    Session session(port, ProgramFolder());
    session.Adopt(std::move(project));
    const int before = session.project().content.library.count();
    session.LoadLibrarySounds();
    const size_t added = static_cast<size_t>(session.project().content.library.count() - before);
    if (FileError error = SaveProject(session.project()))
        return Failure("load", *error);
    return added == files.size() ? kExitOk : kExitFailure;
}
