#pragma once

#include <cstddef>
#include <string_view>

namespace norvane {

// Number of entries in the model library (the furnished kinds' fixed geometry).
inline constexpr std::size_t kModelCount = 21;

// The VRML body of library entry 0..20 (CR LF line ends, ends with CR LF). The text is static
// and lives for the whole run. Throws Error for any other entry.
std::string_view modelBody(std::size_t entry);

} // namespace norvane
