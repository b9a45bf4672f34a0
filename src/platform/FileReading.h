#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace norvane {

// Which files a read accepts.
enum class FileTypes {
    RegularOnly, // regular files only; anything else is refused before a byte is read
    Any,         // also devices and FIFOs (a FIFO waits for its writer)
};

// Called with each chunk as it is read, before it is kept; may throw Error to stop the read.
using ChunkCheck = std::function<void(std::string_view chunk)>;

// The whole content of the file at `path`, bytes unchanged, read chunk by chunk.
// Throws Error("Cannot read <path>: <reason>"), or whatever `check` throws.
std::string readWholeFile(const std::string& path, FileTypes types = FileTypes::Any,
                          const ChunkCheck& check = {});

} // namespace norvane
