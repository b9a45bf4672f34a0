#pragma once

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {

// A command's arguments split into positional values and "--name value" options.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options; // flags given have the value ""

    // The value of option `name`, or `fallback` when it was not given.
    std::string option(std::string_view name, std::string fallback = {}) const;
};

// Splits `args` (the words after the command name). Options take the next word or "=value";
// only the names in `optionNames` are allowed, and the `flagNames`, which take no value, each at
// most once, and exactly `positionalCount` other words must remain. Throws CliError(kExitUsage)
// naming the fault.
Arguments parseArguments(std::string_view command, const std::vector<std::string>& args,
                         std::span<const std::string_view> optionNames, std::size_t positionalCount,
                         std::span<const std::string_view> flagNames = {});

} // namespace norvane::cli
