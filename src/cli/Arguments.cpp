#include "Arguments.h"

#include "CliError.h"
#include "scene/SingleLine.h"

#include <algorithm>

namespace norvane::cli {

namespace {

[[noreturn]] void usageError(std::string_view command, const std::string& reason) {
    throw CliError(kExitUsage, std::string(command) + ": " + reason + " (see norvane-cli " +
                                   std::string(command) + " --help)");
}

std::string fileNames(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " file name" : " file names");
}

bool isOption(const std::string& word) {
    return word.size() > 2 && word.starts_with("--");
}

bool isListed(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

std::string Arguments::option(std::string_view name, std::string fallback) const {
    const auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}

Arguments parseArguments(std::string_view command, const std::vector<std::string>& args,
                         std::span<const std::string_view> optionNames, std::size_t positionalCount,
                         std::span<const std::string_view> flagNames) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!isOption(args[i])) {
            parsed.positional.push_back(args[i]);
            continue;
        }
        if (isListed(flagNames, args[i])) {
            if (!parsed.options.emplace(args[i], "").second)
                usageError(command, args[i] + " is given twice");
            continue;
        }
        const std::size_t equals = args[i].find('=');
        const std::string name = args[i].substr(0, equals);
        if (!isListed(optionNames, name))
            usageError(command, "unknown option " + name);
        if (equals == std::string::npos && i + 1 == args.size())
            usageError(command, name + " needs a value");
        // Every option value is free text typed on one line: line breaks are not part of it.
        std::string value =
            singleLine(equals == std::string::npos ? args[++i] : args[i].substr(equals + 1));
        if (!parsed.options.emplace(name, std::move(value)).second)
            usageError(command, name + " is given twice");
    }
    if (parsed.positional.size() != positionalCount)
        usageError(command, "expected " + fileNames(positionalCount) + ", got " +
                                std::to_string(parsed.positional.size()));
    return parsed;
}

} // namespace norvane::cli
