#pragma once

#include <string>
#include <vector>

namespace norvane::cli {

// check SCENE.NSC: prints "LINE: row ROW: message" on stdout for every problem of the scene file.
// Returns kExitSuccess when clean, kExitBadScene when problems were found; throws CliError
// (kExitUsage) on bad usage or an unreadable file.
int runCheck(const std::vector<std::string>& args);

} // namespace norvane::cli
