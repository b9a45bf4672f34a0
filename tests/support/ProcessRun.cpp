#include "ProcessRun.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

namespace norvane::test {

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args) {
    const TempDir dir;
    const std::string out = dir.file("stdout").string(), err = dir.file("stderr").string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
    pid_t pid = 0;
    int status = 0;
    const bool ran =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(pid, &status, 0) == pid && WIFEXITED(status);
    posix_spawn_file_actions_destroy(&actions);
    if (!ran)
        return {};
    return {WEXITSTATUS(status), readFile(out), readFile(err)};
}

::testing::AssertionResult readsWithoutWarnings(const std::string& path) {
    const ProcessResult reader = runProcess("/usr/bin/tovrmlx3d", {path});
    if (reader.exitCode < 0)
        return ::testing::AssertionFailure() << "the VRML reader /usr/bin/tovrmlx3d cannot run";
    std::istringstream lines(reader.err + reader.out);
    for (std::string line; std::getline(lines, line);)
        if (line.find("Warning") != std::string::npos)
            return ::testing::AssertionFailure() << path << ": " << line;
    if (reader.exitCode != 0)
        return ::testing::AssertionFailure() << "tovrmlx3d exit status " << reader.exitCode;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult xmlReadsCleanly(const std::string& path) {
    const ProcessResult lint = runProcess("/usr/bin/xmllint", {"--noout", path});
    if (lint.exitCode == 0 && lint.err.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "xmllint exit status " << lint.exitCode << ": " << lint.err;
}

::testing::AssertionResult worldReadsWithoutWarnings(std::string_view world) {
    const TempDir dir;
    std::ofstream(dir.file("world.wrl"), std::ios::binary) << world;
    return readsWithoutWarnings(dir.file("world.wrl").string());
}

} // namespace norvane::test
