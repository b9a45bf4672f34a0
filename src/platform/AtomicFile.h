#pragma once

#include <string>
#include <string_view>

namespace norvane {

// Replaces the file at `path` with exactly `bytes`: writes a temporary file in the same folder,
// flushes it to disk and renames it over the target. On any failure the temporary is removed,
// an existing file keeps its old content, and Error("Cannot write <path>: <reason>") is thrown.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// The whole content of the file at `path`, bytes unchanged.
// Throws Error("Cannot read <path>: <reason>").
std::string readWholeFile(const std::string& path);

} // namespace norvane
