#include "HelperStart.h"

#include "CliError.h"
#include "ProgramData.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string_view>

namespace norvane::cli {

namespace {

int runInHelper(std::string_view command, const std::vector<std::string>& args) {
    const std::string helper = helperProgram(command);
    std::vector<std::string> words{helper, std::string(command)};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::cout.flush();
    execv(helper.c_str(), argv.data());
    const int reason = errno;
    throw CliError(kExitUsage, std::string(command) + ": cannot start " + helper + ": " +
                                   std::strerror(reason));
}

} // namespace

int runRenderInHelper(const std::vector<std::string>& args) {
    return runInHelper("render", args);
}

int runSnapshotInHelper(const std::vector<std::string>& args) {
    return runInHelper("snapshot", args);
}

} // namespace norvane::cli
