#pragma once

#include <stdexcept>
#include <string>

namespace norvane::cli {

// Exit statuses of norvane-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadScene = 1; // the scene has problems or cannot be turned into a world
inline constexpr int kExitUsage = 2;    // bad arguments, or a file that cannot be read or written

// A command failure carrying its exit status and a one-line reason for stderr.
class CliError : public std::runtime_error {
public:
    CliError(int exitCode, const std::string& reason)
        : std::runtime_error(reason), m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

} // namespace norvane::cli
