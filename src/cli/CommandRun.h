#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {

// A command's handler: runs it on the words after its name and returns the exit status.
using CommandHandler = int (*)(const std::vector<std::string>& args);

// Prints "norvane-cli: <reason>" on stderr and returns `exitCode`.
int reportFailure(int exitCode, std::string_view reason);

// Runs `run` on `args` and returns its exit status. A CliError it throws is reported with its
// own status, a norvane::Error with kExitBadScene.
int runReportingFailures(CommandHandler run, const std::vector<std::string>& args);

} // namespace norvane::cli
