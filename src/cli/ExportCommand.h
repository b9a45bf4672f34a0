#pragma once

#include "Arguments.h"
#include "scene/Scene.h"
#include "vrml/WorldWriter.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvane::cli {

// export SCENE.NSC OUT.wrl|.x3d|.x3dv [--sky NAME] [--music FILE.wav] [--target FRAME]
// [--format NAME] [--report]: writes the world of the scene file in the format of the output's
// extension (VRML 2.0 for a name without one) or of --format. Returns the exit status; throws
// CliError on bad usage, an extension of no format, or files. --report prints on standard error
// what the format loses of the scene.
int runExport(const std::vector<std::string>& args);

// The world options of --sky, --music (its bare file name) and --target. Throws
// CliError(kExitUsage), naming `command`, for an unknown sky or a music path that names no file.
WorldOptions worldOptionsFrom(std::string_view command, const Arguments& parsed);

// Loads the scene file at `scenePath` and writes its world with `options` to `outPath` as the
// world is made, by `write` (VRML 2.0 unless given); returns the scene. Callers refuse an output
// that is the scene file first (refuseWritingInput), before any other check. Throws CliError:
// kExitBadScene naming the scene file when it is not a whole number of objects or a row cannot be
// written into a world, kExitUsage when a file cannot be read or written.
Scene writeWorldFile(const std::string& scenePath, const std::string& outPath,
                     const WorldOptions& options, WorldFormatWriter write = writeWorld);

} // namespace norvane::cli
