#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {

// One norvane-cli command: its name, its one-line usage (after "norvane-cli "), a one-line
// description, and the handler that runs it on the words after the name and returns the exit
// status.
struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    int (*run)(const std::vector<std::string>& args);
};

// Every command, in the order the help lists them.
std::span<const Command> commands();

// The command called `name`, or nullptr.
const Command* findCommand(std::string_view name);

} // namespace norvane::cli
