#pragma once

#include "vrml/WorldWriter.h"

#include <array>
#include <string_view>

namespace norvane {

// A world format that a scene can be exported to: its name (as --format takes it), its title in
// messages, the file extension it is chosen by, the file dialog's filter and its writer.
struct WorldFormat {
    std::string_view name;
    std::string_view title;
    std::string_view extension; // with the dot, lower case
    std::string_view filter;
    WorldFormatWriter write;
};

// Every world format; the first, VRML 2.0, is the one a path without an extension gets.
const std::array<WorldFormat, 5>& worldFormats();

// The format called `name` (case-insensitive), or nullptr.
const WorldFormat* worldFormatNamed(std::string_view name);

// The format of `path` by its extension (case-insensitive): VRML 2.0 for a name without one,
// nullptr for an extension no format has.
const WorldFormat* worldFormatOf(std::string_view path);

} // namespace norvane
