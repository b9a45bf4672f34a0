#include "Cli.h"

#include "CliError.h"
#include "CommandRun.h"
#include "CommandTable.h"

#include "scene/ProgramVersion.h"

#include <algorithm>
#include <iostream>

namespace norvane::cli {

namespace {

void printOverallHelp(std::ostream& out) {
    out << "usage: norvane-cli COMMAND ARGUMENTS...\n\nCommands:\n";
    for (const Command& command : commands())
        out << "  norvane-cli " << command.usage << '\n';
    out << "  norvane-cli COMMAND --help\n"
        << "  norvane-cli --version\n\n"
        << "Exit status: 0 done, 1 the scene has problems, 2 bad usage or a file that cannot be "
           "read or written.\n";
}

void printCommandHelp(const Command& command) {
    std::cout << "usage: norvane-cli " << command.usage << '\n' << command.summary << '\n';
}

bool asksForHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& word) { return word == "--help" || word == "-h"; });
}

int runCommand(const Command& command, const std::vector<std::string>& args) {
    if (asksForHelp(args)) {
        printCommandHelp(command);
        return kExitSuccess;
    }
    return runReportingFailures(command.run, args);
}

} // namespace

int runCli(const std::vector<std::string>& args) {
    if (args.empty()) {
        printOverallHelp(std::cerr);
        return kExitUsage;
    }
    const std::string& name = args.front();
    if (name == "help" && args.size() == 2)
        return runCli({args[1], "--help"});
    if (name == "--help" || name == "-h" || name == "help") {
        printOverallHelp(std::cout);
        return kExitSuccess;
    }
    if (name == "--version" && args.size() == 1) {
        std::cout << versionLine() << '\n';
        return kExitSuccess;
    }
    const Command* command = findCommand(name);
    if (command == nullptr)
        return reportFailure(kExitUsage,
                             "unknown command \"" + name + "\" (see norvane-cli --help)");
    return runCommand(*command, {args.begin() + 1, args.end()});
}

} // namespace norvane::cli
