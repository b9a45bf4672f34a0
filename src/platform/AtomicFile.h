#pragma once

#include "FileReading.h"

#include <functional>
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

// Receives the bytes of a file being written, in order.
using ByteSink = std::function<void(std::string_view bytes)>;

// Writes, as writeFileAtomically(path, bytes) does, the bytes that `produce` hands to its sink,
// without holding them all: they go to the file as they come. When `produce` throws, the
// temporary is removed, the target keeps its old content and the exception propagates. A failure
// to write is reported after `produce` returns, so that the producer's own errors come first.
void writeFileAtomically(const std::string& path,
                         const std::function<void(const ByteSink& sink)>& produce);

} // namespace norvane
