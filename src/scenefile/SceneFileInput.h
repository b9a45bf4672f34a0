#pragma once

#include "platform/FileReading.h"

#include <string>

namespace norvane {

// The text of the scene file at `path`, read chunk by chunk. A NUL byte ends the read at once
// (so an endless device such as /dev/zero is refused at its first chunk) with
// Error("Cannot read <path>: it is not a Norvane scene file"). `types` says whether a device or
// FIFO may be read; the editor takes regular files only, so that it never waits for a writer.
// Throws Error as readWholeFile when the file cannot be read.
std::string readSceneFileText(const std::string& path, FileTypes types);

} // namespace norvane
