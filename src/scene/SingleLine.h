#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A typed or pasted text as one line, the form every stored or written text takes: line breaks
// (CR and LF) at the start and the end are dropped, and each run of them inside becomes one
// space. Every other byte is kept as it is.
std::string singleLine(std::string_view text);

} // namespace norvane
