#pragma once

#include "scene/Scene.h"

#include <string>
#include <string_view>

namespace norvane::cli {

// The bytes of the file at `path`. Throws CliError(kExitUsage) when it cannot be read.
std::string readInputFile(const std::string& path);

// The scene in the scene file at `path`. Throws CliError: kExitUsage when the file cannot be
// read, kExitBadScene when it is not a whole number of objects.
Scene loadSceneFile(const std::string& path);

// Writes `bytes` to `path` atomically. Throws CliError(kExitUsage) when it cannot.
void writeOutputFile(const std::string& path, std::string_view bytes);

} // namespace norvane::cli
