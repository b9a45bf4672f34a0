#pragma once

#include "ProcessRun.h"

namespace norvane::test {

// Runs the built norvane-cli (its path set by CMake) with `args`.
inline ProcessResult runNorvaneCli(const std::vector<std::string>& args) {
    return runProcess(NORVANE_CLI, args);
}

} // namespace norvane::test
