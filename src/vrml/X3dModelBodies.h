#pragma once

#include <cstddef>
#include <string_view>

namespace norvane {

// The X3D XML body of library entry 0..20: the elements inside its DEF group, written from
// modelData(entry) as the VRML body is, one element a line (CR LF). The text is static and lives
// for the whole run. Throws Error for any other entry.
std::string_view x3dModelBody(std::size_t entry);

} // namespace norvane
