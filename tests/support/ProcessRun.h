#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
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

// Passes when the VRML reader tovrmlx3d reads the world at `path` with exit status 0 and prints
// no line containing "Warning"; fails when the reader is not installed.
::testing::AssertionResult readsWithoutWarnings(const std::string& path);
// Passes when xmllint reads the XML file at `path` as well-formed without a word.
::testing::AssertionResult xmlReadsCleanly(const std::string& path);
// The same for a world text, written to a temporary file first.
::testing::AssertionResult worldReadsWithoutWarnings(std::string_view world);

} // namespace norvane::test
