#include "CommandRun.h"

#include "CliError.h"
#include "scene/Error.h"

#include <iostream>

namespace norvane::cli {

int reportFailure(int exitCode, std::string_view reason) {
    std::cerr << "norvane-cli: " << reason << '\n';
    return exitCode;
}

int runReportingFailures(CommandHandler run, const std::vector<std::string>& args) {
    try {
        return run(args);
    } catch (const CliError& error) {
        return reportFailure(error.exitCode(), error.what());
    } catch (const Error& error) {
        return reportFailure(kExitBadScene, error.what());
    }
}

} // namespace norvane::cli
