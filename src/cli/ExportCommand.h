#pragma once

#include "Arguments.h"
#include "scene/Scene.h"
#include "vrml/WorldWriter.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {

// export SCENE.NSC OUT.wrl [--sky NAME] [--music FILE.wav] [--target FRAME]: writes the world
// of the scene file. Returns the exit status; throws CliError on bad usage or files.
int runExport(const std::vector<std::string>& args);

// The world options of --sky, --music (its bare file name) and --target. Throws
// CliError(kExitUsage), naming `command`, for an unknown sky or a music path that names no file.
WorldOptions worldOptionsFrom(std::string_view command, const Arguments& parsed);

// Loads the scene file at `scenePath` and writes its world with `options` to `outPath` as the
// world is made. Throws CliError: kExitBadScene naming the scene file when it is not a whole
// number of objects or a row cannot be written into a world, kExitUsage when a file cannot be
// read or written.
void writeWorldFile(const std::string& scenePath, const std::string& outPath,
                    const WorldOptions& options);

} // namespace norvane::cli
