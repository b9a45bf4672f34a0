#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {

// The commands that paint run in helper programs, so that norvane-cli itself needs no Qt. Each
// replaces this process with the command's helper (see helperProgram), called as
// "HELPER COMMAND ARGS..." with `args` unchanged; the helper's output and exit status are the
// command's. Throws CliError(kExitUsage) "COMMAND: cannot start PATH: REASON" when it cannot.
int runRenderInHelper(const std::vector<std::string>& args);
int runSnapshotInHelper(const std::vector<std::string>& args);

// Runs the helper of `command` as "HELPER COMMAND ARGS..." beside this process, its output
// discarded, and returns its exit status; -1 when it could not be started or did not exit.
int runHelperQuietly(std::string_view command, const std::vector<std::string>& args);

} // namespace norvane::cli
