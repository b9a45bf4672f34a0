#pragma once

#include "ModelParts.h"

#include <cstddef>
#include <string_view>

namespace norvane {

// The VRML body of library entry 0..20 (CR LF line ends, ends with CR LF). The text is static
// and lives for the whole run; it is written from modelData(entry). Throws Error for any other
// entry.
std::string_view modelBody(std::size_t entry);

} // namespace norvane
