#include "HelperStart.h"

#include "CliError.h"
#include "ProgramData.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string_view>

namespace norvane::cli {

namespace {

// "HELPER COMMAND ARGS...", kept alive as long as the pointers into it.
struct HelperWords {
    std::vector<std::string> words;
    std::vector<char*> argv;

    HelperWords(std::string_view command, const std::vector<std::string>& args)
        : words{helperProgram(command), std::string(command)} {
        words.insert(words.end(), args.begin(), args.end());
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
    }
};

int runInHelper(std::string_view command, const std::vector<std::string>& args) {
    HelperWords words(command, args);
    const std::string& helper = words.words[0];
    std::cout.flush();
    execv(helper.c_str(), words.argv.data());
    const int reason = errno;
    throw CliError(kExitUsage, std::string(command) + ": cannot start " + helper + ": " +
                                   std::strerror(reason));
}

} // namespace

int runHelperQuietly(std::string_view command, const std::vector<std::string>& args) {
    HelperWords words(command, args);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int output : {STDOUT_FILENO, STDERR_FILENO})
        posix_spawn_file_actions_addopen(&actions, output, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started =
        posix_spawn(&child, words.words[0].c_str(), &actions, nullptr, words.argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (started != 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int runRenderInHelper(const std::vector<std::string>& args) {
    return runInHelper("render", args);
}

int runSnapshotInHelper(const std::vector<std::string>& args) {
    return runInHelper("snapshot", args);
}

} // namespace norvane::cli
