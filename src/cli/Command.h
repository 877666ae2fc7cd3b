#pragma once
// The subcommands of kr615b. Each command file registers itself with a
// static CommandRegistration, so adding a command touches no other file.

#include <optional>
#include <string>
#include <vector>

struct Command {
    std::string name;
    std::string usage;    // the argument part of the usage line
    std::string summary;  // one line for the command list
    std::string help;     // the full text of `kr615b NAME --help`
    // Arguments after the command name. Returns the exit status.
    int (*run)(const std::vector<std::string>& args);
};

// Exit statuses, as sox and flashrom use them.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const std::vector<Command>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Prints "kr615b NAME: MESSAGE" and the command's usage line to stderr;
// returns kExitUsage.
int UsageError(const std::string& commandName, const std::string& message);

// Whether `args` are exactly `count` operands, none empty and none that
// reads as an option.
bool HasOperands(const std::vector<std::string>& args, size_t count);

// Prints "kr615b NAME: MESSAGE" to stderr; returns kExitFailure.
int Failure(const std::string& commandName, const std::string& message);

// A new project's path PATH/NAME.winproj: its folder and file name. Empty
// when it names a project that does not exist yet, else the exit status of
// the usage error or refusal printed (an existing project file is never
// replaced).
std::optional<int> ParseNewProjectPath(const std::string& commandName, const std::string& arg, std::string& folder,
                                       std::string& fileName);

// The arguments "[--json] FILE" of a command that prints one file. Empty
// when they are well formed, else the exit status of the usage error
// printed; `what` names the file in that message ("project file").
std::optional<int> ParseJsonFileArguments(const std::string& commandName, const std::vector<std::string>& args,
                                          const std::string& what, bool& json, std::string& path);
