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

namespace {

int spawnAndWait(const std::string& program, const std::vector<std::string>& args,
                 const std::string& outPath, const std::string& errPath) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT, 0600);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args) {
    TempDir dir;
    const std::string outPath = dir.file("stdout").string();
    const std::string errPath = dir.file("stderr").string();
    ProcessResult result;
    result.exitCode = spawnAndWait(program, args, outPath, errPath);
    if (result.exitCode >= 0) {
        result.out = readFile(outPath);
        result.err = readFile(errPath);
    }
    return result;
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

::testing::AssertionResult worldReadsWithoutWarnings(std::string_view world) {
    const TempDir dir;
    const std::string path = dir.file("world.wrl").string();
    std::ofstream(path, std::ios::binary) << world;
    return readsWithoutWarnings(path);
}

} // namespace norvane::test
