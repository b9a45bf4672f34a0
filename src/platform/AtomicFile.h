#pragma once

#include "FileReading.h"

#include <string>
#include <string_view>

namespace norvane {

// Replaces the file at `path` with exactly `bytes`: writes a temporary file in the same folder,
// flushes it to disk and renames it over the target. A symbolic link is followed and kept.
// An existing target that is not a regular file or folder (a device, a FIFO, a terminal) is
// written to directly and never replaced. A regular file whose permission bits do not let this
// user write it is refused, even for the superuser. On any failure the temporary is removed,
// an existing file keeps its old content, and Error("Cannot write <path>: <reason>") is thrown.
void writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace norvane
