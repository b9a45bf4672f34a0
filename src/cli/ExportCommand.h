#pragma once

#include <string>
#include <vector>

namespace norvane::cli {

// export SCENE.NSC OUT.wrl [--sky NAME] [--music FILE.wav] [--target FRAME]: writes the world
// of the scene file. Returns the exit status; throws CliError on bad usage or files.
int runExport(const std::vector<std::string>& args);

} // namespace norvane::cli
