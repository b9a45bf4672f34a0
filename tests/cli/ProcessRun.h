#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvane::test {

// What a finished child process left behind.
struct ProcessResult {
    int exitCode = -1; // -1 when it could not be started or did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args` (no shell involved) and waits for it; captures stdout and stderr.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);

// Runs the built norvane-cli with `args`.
ProcessResult runNorvaneCli(const std::vector<std::string>& args);

// Passes when the VRML reader tovrmlx3d reads the world at `path` with exit status 0 and no
// "Warning:" line; fails when the reader is not installed.
::testing::AssertionResult readsWithoutWarnings(const std::string& path);

} // namespace norvane::test
