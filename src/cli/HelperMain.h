#pragma once

#include "CommandRun.h"

#include <string_view>

namespace norvane::cli {

// The main of a helper program that norvane-cli starts as "HELPER COMMAND ARGS...": runs `run`
// on ARGS and reports failures as norvane-cli does. Returns the exit status; kExitUsage with a
// one-line reason when the words after the program name do not start with `command`.
int runHelperMain(int argc, char** argv, std::string_view command, CommandHandler run);

} // namespace norvane::cli
