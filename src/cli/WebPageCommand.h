#pragma once

#include <string>
#include <vector>

namespace norvane::cli {

// webpage SCENE.NSC DIR [--sky NAME] [--music FILE.wav] [--target FRAME] [--title TEXT]
// [--page NAME.html]: writes the web page of the scene into DIR. Returns the exit status; throws
// CliError: kExitBadScene when the scene cannot be turned into a world, kExitUsage otherwise.
int runWebPage(const std::vector<std::string>& args);

} // namespace norvane::cli
