#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A path fit for a one-line message: line breaks and tabs shown as \n, \r, \t, other control
// bytes as \xNN and a backslash as \\ only when something was escaped; any other byte is kept.
std::string shownPath(std::string_view path);

} // namespace norvane
