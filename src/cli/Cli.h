#pragma once

#include <string>
#include <vector>

namespace norvane::cli {

// Runs norvane-cli on the words after the program name: help, or one command of the table.
// Failures are printed to stderr as one line "norvane-cli: <reason>". Returns the exit status.
int runCli(const std::vector<std::string>& args);

} // namespace norvane::cli
