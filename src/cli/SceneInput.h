#pragma once

#include "platform/AtomicFile.h"
#include "scene/Scene.h"

#include <functional>
#include <string>
#include <string_view>

namespace norvane::cli {

// The bytes of the scene file at `path` (a FIFO or device too). Throws CliError(kExitUsage) when
// it cannot be read or holds a NUL byte, which no scene file does.
std::string readInputFile(const std::string& path);

// The scene in the scene file at `path`. Throws CliError: kExitUsage when the file cannot be
// read, kExitBadScene when it is not a whole number of objects.
Scene loadSceneFile(const std::string& path);

// Throws CliError(kExitUsage) when `outPath` names the same regular file as `inputPath` (same
// device and inode, however it is reached), which the write would replace. A device such as
// /dev/null may be both.
void refuseWritingInput(const std::string& inputPath, const std::string& outPath);

// Writes `bytes` to `path` atomically. Throws CliError(kExitUsage) when it cannot.
void writeOutputFile(const std::string& path, std::string_view bytes);

// Writes the bytes `produce` hands to its sink to `path` atomically, as they come. Throws
// CliError(kExitUsage) when they cannot be written, after whatever `produce` throws.
void writeOutputFile(const std::string& path,
                     const std::function<void(const ByteSink& sink)>& produce);

} // namespace norvane::cli
