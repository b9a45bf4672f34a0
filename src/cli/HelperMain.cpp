#include "HelperMain.h"

#include "CliError.h"

#include <exception>
#include <string>
#include <vector>

namespace norvane::cli {

int runHelperMain(int argc, char** argv, std::string_view command, CommandHandler run) {
    if (argc < 2 || argv[1] != command)
        return reportFailure(kExitUsage,
                             "use \"norvane-cli " + std::string(command) + "\" to run this helper");
    try {
        return runReportingFailures(run, std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::exception& error) {
        return reportFailure(kExitUsage, error.what());
    }
}

} // namespace norvane::cli
