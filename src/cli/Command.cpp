#include "cli/Command.h"

#include <algorithm>
#include <iostream>

#include <QFileInfo>

#include "support/Paths.h"

static std::vector<Command>& Registry()
{
    static std::vector<Command> commands;
    return commands;
}

const std::vector<Command>& Commands()
{
    return Registry();
}

CommandRegistration::CommandRegistration(Command command)
{
    auto& commands = Registry();
    auto at = std::lower_bound(commands.begin(), commands.end(), command.name,
                               [](const Command& c, const std::string& name) { return c.name < name; });
    commands.insert(at, std::move(command));
}

bool HasOperands(const std::vector<std::string>& args, size_t count)
{
    return args.size() == count &&
           std::none_of(args.begin(), args.end(), [](const std::string& a) { return a.empty() || a[0] == '-'; });
}

int UsageError(const std::string& commandName, const std::string& message)
{
    std::cerr << "kr615b " << commandName << ": " << message << "\n";
    for (const Command& c : Registry()) {
        if (c.name == commandName)
            std::cerr << "usage: kr615b " << c.name << " " << c.usage << "\n";
    }
    std::cerr << "Try 'kr615b " << commandName << " --help'.\n";
    return kExitUsage;
}

int Failure(const std::string& commandName, const std::string& message)
{
    std::cerr << "kr615b " << commandName << ": " << message << "\n";
    return kExitFailure;
}

std::optional<int> ParseJsonFileArguments(const std::string& commandName, const std::vector<std::string>& args,
                                          const std::string& what, bool& json, std::string& path)
{
    json = false;
    path.clear();
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (!a.empty() && a[0] == '-')
            return UsageError(commandName, "unknown option '" + a + "'");
        else if (path.empty())
            path = a;
        else
            return UsageError(commandName, "expected one " + what);
    }
    if (path.empty())
        return UsageError(commandName, "expected a " + what);
    return std::nullopt;
}

std::optional<int> ParseNewProjectPath(const std::string& commandName, const std::string& arg, std::string& folder,
                                       std::string& fileName)
{
    folder = arg;
    while (folder.size() > 1 && folder.back() == kPathSeparator)
        folder.pop_back();
    fileName = FileNamePart(folder);
    if (!IsPlainFileName(fileName))
        return UsageError(commandName, "'" + arg + "' does not end in a project name");
    const std::string projectFile = JoinPath(folder, fileName);
    if (QFileInfo::exists(ToQtPath(projectFile)))
        return Failure(commandName, projectFile + " already exists; not replacing it");
    return std::nullopt;
}
