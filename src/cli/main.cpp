// kr615b: the project operations without a window, for scripts and build
// servers. Results go to stdout, diagnostics to stderr.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "cli/Command.h"

static void PrintOverview(std::ostream& out)
{
    out << "usage: kr615b COMMAND [ARGS...]\n"
           "       kr615b COMMAND --help\n\n"
           "Edits, inspects and compiles KR615B voice-chip projects.\n\n"
           "Commands:\n";
    for (const Command& c : Commands()) {
        std::string head = "  " + c.name;
        head.resize(std::max<size_t>(head.size() + 2, 14), ' ');
        out << head << c.summary << "\n";
    }
}

int main(int argc, char** argv)
{
    // Qt's file and plugin classes need an application object.
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintOverview(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintOverview(std::cout);
        return kExitOk;
    }
    for (const Command& command : Commands()) {
        if (command.name != args[0])
            continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const std::string& a : rest) {
            if (a == "--help" || a == "-h") {
                std::cout << "usage: kr615b " << command.name << " " << command.usage << "\n\n" << command.help;
                return kExitOk;
            }
        }
        return command.run(rest);
    }
    std::cerr << "kr615b: unknown command '" << args[0] << "'\n";
    PrintOverview(std::cerr);
    return kExitUsage;
}
